// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the engine built on its portable 80-bit type, as a module that the agreement
// test loads beside the engine built on the x87: each build linked on its own and keeping its
// symbols inside, so that the two builds' functions of the same names never meet.

#include "EngineFigures.h"
#include "IceBankCalc.h"

extern "C" [[gnu::visibility("default")]] void PortableRoomFigures(const ColdRoom::ColdRoomInput* in, RoomFigures* out)
{
    *out = FiguresOf(*in);
}

extern "C" [[gnu::visibility("default")]] void PortableIceBank(const IceBank::IceBankInput* in,
                                                               IceBank::IceBankResult* out)
{
    *out = IceBank::ComputeIceBank(*in);
}
