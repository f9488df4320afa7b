#pragma once

#include "records/choice_lists.h"

#include <QList>

class QComboBox;
class QLineEdit;
class UpDown;

// Fills a pick-only list with the items of a choice list, in order.
void FillChoiceBox(QComboBox *box, vellgard::ChoiceList items);

// Binds each up-down to its read-only number edit, which takes the colour
// of a button face.
void BindNumberEdits(const QList<std::pair<UpDown *, QLineEdit *>> &pairs);

// The index of the list entry that names the power code.
int PowerChoiceIndexOf(int powerCode);
// The power code of a list's chosen entry.
int PowerCodeOfChoice(const QComboBox *box);
