#pragma once

#include "army/army_file.h"

#include <QByteArray>

// The 252 bytes a new army saved as KNIGHT.ARM holds.
QByteArray NewKnightBytes();

// An army with every field away from its New value, texts with bytes
// beyond ASCII among them.
ArmyRecord SampleArmy();
