// SPDX-License-Identifier: GPL-3.0-or-later
// Worked cases of both calculators, as a user enters them on the windows, with the texts the
// result sheets must show. The figures are those worked by hand for the calculators' and the
// windows' own tests (coldroom/tests, icebank/tests); the working is repeated beside each case.

const watts = n => `${n}  وات`;
const celsius = n => `${n}  درجه سانتيگراد`;
const hours = n => `${n}  ساعت`;
const cubicMetres = n => `${n}  مترمکعب`;
const kilograms = n => `${n}  کيلوگرم`;
const units = n => `${n}  دستگاه`;
const horsepower = n => `${n}  اسب بخار`;
const twoStage = n => `${n}  اسب بخار (2 مرحله)`;
const DT10 = 'R22    ,   DT = 10C';
const DT5 = 'R22    ,   DT = 5C';
const evapCond = 'Evap. temp = -8C   Cond. temp = 40C';
const cond = 'Cond. temp = 40C';

export const Processes = {chilled: 0, frozen: 1, preCooler: 2, freezing: 3, produce: 4};

// The cold-room sheet's values from top to bottom, as the window's test lists them: room
// temperature, hours, volume, mass, the six loads, the fan's "-", safety factor, total,
// compressor count, horsepower, model, and the two notes.
export const SheetRows = ['Label10', 'Label11', 'Label20', 'Label22', 'Label12', 'Label13', 'Label34', 'Label14',
                          'Label15', 'Label16', 'Label17', 'Label33', 'Label24', 'Label28', 'Label29', 'Label30',
                          'Label31', 'Label32'];

// Each case: lists set by the text of their item before the process is chosen, the process,
// the sides and the capacity typed (or pasted, or suggested), lists set after it (ComboBox3
// meat, ComboBox8 produce, ComboBox6 loading, ComboBox7 hours, ComboBox4 entry temperature),
// and either the sheet's values (in SheetRows' order) or some of its labels.
export const ColdRoomCases = [
    {
        what: 'chilled chicken, 10 x 5 x 3 m, 1000 kg',
        // 1581.25 + 83.1 + 0 + 1823.84 + 150 + 628.8 kept as 4265 W; 10 % of it is 426.5.
        process: 'chilled', sides: ['10', '5', '3'], capacity: '1000',
        sheet: [celsius(2), hours(20), cubicMetres(150), kilograms(1000), watts(1581), watts(83), watts(0),
                watts(1823), watts(150), watts(628), '-', watts(426), watts(4691), units(1), horsepower(2),
                'Bitzer  2FC-3.2', DT10, evapCond],
    },
    {
        what: 'apples, 10 x 5 x 3 m, 1000 kg from 25 C',
        // Product 1000 x 1.011327 x 25 / 20 = 1264.16, respiration 12 x 1.2 = 14.4: 5574 W.
        process: 'produce', sides: ['10', '5', '3'], capacity: '1000',
        sheet: [celsius(0), hours(20), cubicMetres(150), kilograms(1000), watts(1695), watts(1264), watts(14),
                watts(1823), watts(150), watts(628), '-', watts(557), watts(6131), units(1), horsepower(3),
                'Bitzer  2DC-3.2', DT10, cond],
    },
    {
        what: 'meat freezing, 10 x 5 x 3 m, 1000 kg from 5 C in 8 h',
        // Product (65095 + 6648 + 7063.5) / 8 = 9850.81; walls unscaled 140 x 0.16 x 70 + 50 x 0.16
        // x 50 = 1968; no lighting, people or door air. 11818 + 1181 = 12999 W: one S6G-25.2.
        process: 'freezing', sides: ['10', '5', '3'], capacity: '1000',
        sheet: [celsius(-35), hours(8), cubicMetres(150), kilograms(1000), watts(1968), watts(9850), watts(0),
                watts(0), watts(0), watts(0), '-', watts(1181), watts(12999), units(1), twoStage(25),
                'Bitzer  S6G-25.2', DT5, cond],
    },
    {
        what: 'apples, 500 kg',
        // 1695 walls + 632.08 product + 7.2 respiration = 4935 + 493: 2DC-3.2 (7215 W).
        process: 'produce', sides: ['10', '5', '3'], capacity: '500', lists: {ComboBox8: 'سيب'},
        labels: {Label24: watts(5428), Label28: units(1), Label30: 'Bitzer  2DC-3.2'},
    },
    {
        what: 'pears, 500 kg',
        // 1.2 x (1260 + 200) walls + 500 x 1.001909 x 26 / 20 + 12 = 5016 + 501 at -1 C.
        process: 'produce', sides: ['10', '5', '3'], capacity: '500', lists: {ComboBox8: 'گلابي'},
        labels: {Label10: celsius(-1), Label24: watts(5517), Label28: units(1), Label30: 'Bitzer  2DC-3.2'},
    },
    {
        what: 'bananas, 500 kg',
        // 1.2 x (805 + 37.5) + 500 x 0.927673 x 13 / 20 + 69.6 = 3982 + 398 at 12 C: the
        // pre-cooler table's smallest model.
        process: 'produce', sides: ['10', '5', '3'], capacity: '500', lists: {ComboBox8: 'موز'},
        labels: {Label10: celsius(12), Label24: watts(4380), Label28: units(1), Label30: 'Bitzer  2HC-2.2'},
    },
    {
        what: '65 % of 180 kg',
        // 65 % of 180 kg is 117 kg exactly; a share formed in extended precision gives 116.
        process: 'chilled', sides: ['10', '5', '3'], capacity: '180', lists: {ComboBox6: '65'},
        labels: {Label22: kilograms(117)},
    },
    {
        what: 'an 11 x 2 m room running 11 hours',
        // Walls (100 m2 x 0.25 x 33 + 22 m2 x 0.25 x 13) x 24 / 11 and lighting 22 m2 x 2.5 x 24 / 11
        // are 1956 W and 120 W exactly, only in the x87's 64 bits.
        process: 'chilled', sides: ['11', '2', '3'], capacity: '1000', lists: {ComboBox7: '11'},
        labels: {Label12: watts(1956), Label15: watts(120)},
    },
    {
        what: 'a disabled percentage still sets the mass',
        // The pre-cooler cools the whole 1001 kg from 15 to 5 C in 5 hours: 1001 x 0.831 x 10 / 5;
        // 50 % of it, 500.5 kg, is the mass shown.
        before: {ComboBox6: '50'}, process: 'preCooler', sides: ['10', '5', '3'], capacity: '1001',
        labels: {Label22: kilograms(500), Label13: watts(1663)},
    },
    {
        what: 'a 99 m cube as a pre-cooler, its suggested capacity, 3 hours from 35 C',
        // Product 323433000 x 0.831 x 30 / 3 = 2687728230; walls 49005 x 0.25 x 30 + 9801 x 0.25 x
        // 10; lighting 24502.5; people 976; door 14481667.05: 2702627415 + 270262741 W, 36433 of
        // the largest pre-cooler model.
        process: 'preCooler', sides: ['99', '99', '99'], suggest: '323433000',
        lists: {ComboBox7: '3', ComboBox4: '35'},
        labels: {Label22: kilograms(323433000), Label24: watts(2972890156), Label28: units(36433),
                 Label30: 'Bitzer  6G-40.2'},
    },
    {
        what: 'a 99 m cube freezing meat, 3 hours from 35 C',
        // Product (65.095 + 0.831 x 38 + 0.4709 x 15) x 323433000 / 3 = 11183935801.5, walls 627264:
        // 11184563065 + 1118456306 W, 738921 two-stage compressors.
        process: 'freezing', sides: ['99', '99', '99'], paste: '323433000',
        lists: {ComboBox7: '3', ComboBox4: '35'},
        labels: {Label24: watts(12303019371), Label28: units(738921), Label30: 'Bitzer  S6F-30.2'},
    },
];

// The suggested capacity, written whole into the capacity field after the notice: the room's
// share half to even, as the suggestion's own test works it.
export const SuggestionCases = [
    {process: 'chilled', sides: ['10', '5', '3'], capacity: '50000'},   // 150 / 3
    {process: 'frozen', sides: ['10', '5', '3'], capacity: '50000'},
    {process: 'produce', sides: ['10', '5', '3'], capacity: '38000'},   // 37.5 to the even 38
    {process: 'produce', sides: ['2', '5', '1'], capacity: '2000'},     // 2.5 to the even 2
    {process: 'freezing', sides: ['10', '5', '3'], capacity: '12540'},  // (50 - 17) x 380
    {process: 'chilled', sides: ['99', '99', '7'], capacity: '22869000'},
];

// The notice before a suggestion: four lines, each after a lone carriage return, indented.
export const SuggestionNotice = ['تخمين ظرفيت بطور کاملا تقريبي بوده که در بسياري از حجم ها',
                                 ' '.repeat(34) + '.عدد تقريبي با واقعيت اختلاف زيادي دارد',
                                 ' '.repeat(4) + 'روش صحيح اينگونه است که کاربر عدد صحيح را بطور دستي',
                                 ' '.repeat(84) + 'وارد نمايد'].join('\r');

export const DimensionsError = '           ابعاد سالن صحيح وارد نشده است          ';
export const CapacityError = '           ظرفيت سالن صحيح نيست          ';
export const CopyFailed = '           کپي انجام نشد، کليپ بورد مشغول است؛ دوباره امتحان کنيد          ';
export const VolumeTooSmall = '           حجم حوض بايد بيشتر از هزار ليتر باشد          ';

export const TubeSizes = ['لوله مسي 5/8', 'لوله مسي 3/4', 'لوله مسي 7/8'];

// Capacity = litres x 1.163 x (inlet - 1) / hours, plus a fifth; surface = hp x 1.744; tube = hp x
// 35, 29.1 or 25 metres for 5/8, 3/4 and 7/8 inch. The horsepower with the page's decimal point.
export const IceBankCases = [
    // 1000 x 1.163 x 29 / 18 = 1873.72; x 1.2 = 2248.47.
    {volume: '1000', tube: 2, hours: '18', inlet: '30', capacity: 2248, count: 1, hp: '1', model: '2HC-2.2',
     surface: 1, tube_m: 25},
    // 22484.67 W: the first single unit that carries it is 4P-15.2 (24350 W); 15 x 1.744 = 26.16.
    {volume: '10000', tube: 2, hours: '18', inlet: '30', capacity: 22484, count: 1, hp: '15', model: '4P-15.2',
     surface: 26, tube_m: 375},
    // 15 x 29.1 = 436.5.
    {volume: '10000', tube: 1, hours: '18', inlet: '30', capacity: 22484, count: 1, hp: '15', model: '4P-15.2',
     surface: 26, tube_m: 436},
    {volume: '10000', tube: 0, hours: '18', inlet: '30', capacity: 22484, count: 1, hp: '15', model: '4P-15.2',
     surface: 26, tube_m: 525},
    // 2500 x 1.163 x 19 / 19 x 1.2 = 3489 exactly; 1.5 hp: 2.616 m2 and 37.5 m of tube.
    {volume: '2500', tube: 2, hours: '19', inlet: '20', capacity: 3489, count: 1, hp: '1.5', model: '2GC-2.2',
     surface: 2, tube_m: 37},
    // 1.5 hp of 3/4 inch tube: 43.65 m; of 5/8 inch: 52.5 m.
    {volume: '2500', tube: 1, hours: '19', inlet: '20', capacity: 3489, count: 1, hp: '1.5', model: '2GC-2.2',
     surface: 2, tube_m: 43},
    {volume: '2500', tube: 0, hours: '19', inlet: '20', capacity: 3489, count: 1, hp: '1.5', model: '2GC-2.2',
     surface: 2, tube_m: 52},
    // 25000 x 1.163 x 19 / 6 = 92070.83, and a fifth added makes 110485 exactly; two units of
    // 58000 W; 70 hp x 1.744 = 122.08.
    {volume: '25000', tube: 2, hours: '6', inlet: '20', capacity: 110485, count: 2, hp: '35', model: '6H-35.2',
     surface: 122, tube_m: 1750},
    // 100000 x 1.163 x 39 / 5 x 1.2 = 1088568; 17 x 66500 suffices; 680 hp x 1.744 = 1185.92.
    {volume: '100000', tube: 2, hours: '5', inlet: '40', capacity: 1088568, count: 17, hp: '40', model: '6G-40.2',
     surface: 1185, tube_m: 17000},
    // 10885669.11 W needs 164 units; 6560 hp x 1.744 = 11440.64; 6560 hp x 35 = 229600 m.
    {volume: '999999', tube: 0, hours: '5', inlet: '40', capacity: 10885669, count: 164, hp: '40',
     model: '6G-40.2', surface: 11440, tube_m: 229600},
];
