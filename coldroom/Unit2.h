// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cold-room input window: room, process, product and temperatures; Calculate fills and
// shows the result sheet, the suggestion button proposes a daily capacity.

#include "Shell.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

class TForm2 : public Shell::InputWindow {
public:
    explicit TForm2(QWidget* parent = nullptr);

    /// Rearranges the window for the chosen process: entry temperatures, proposals,
    /// insulation, loading percentage and which product list is shown.
    void ComboBox1Change();
    /// The calculation: validates the inputs, fills the result sheet and shows it.
    void Button1Click();
    /// Writes a suggested daily capacity for the room's dimensions into the capacity field.
    void Button2Click();
    /// Ends the program.
    void Button3Click();
    // The digit filter of each number field; true discards the key.
    bool Edit1KeyPress(const QKeyEvent& key);
    bool Edit2KeyPress(const QKeyEvent& key);
    bool Edit3KeyPress(const QKeyEvent& key);
    bool Edit4KeyPress(const QKeyEvent& key);

    QLabel* Image1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QComboBox* ComboBox6 = nullptr;
    QComboBox* ComboBox7 = nullptr;
    QComboBox* ComboBox8 = nullptr;
    Shell::NumberEdit* Edit1 = nullptr;
    Shell::NumberEdit* Edit2 = nullptr;
    Shell::NumberEdit* Edit3 = nullptr;
    Shell::NumberEdit* Edit4 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectEvents();
};

extern TForm2* Form2;
