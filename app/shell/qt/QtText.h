// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The descriptions' UTF-8 texts as Qt holds them, and back.

#include <QString>

#include <string>
#include <string_view>

namespace QtFace {

inline QString Qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

inline std::string Utf8(const QString& text) { return text.toStdString(); }

}  // namespace QtFace
