#include "app/page_controls.h"

#include "app/ansi_text.h"
#include "app/up_down.h"
#include "records/powers.h"

#include <QComboBox>
#include <QLineEdit>

using namespace vellgard;

void FillChoiceBox(QComboBox *box, ChoiceList items)
{
    box->clear();
    for (const std::string_view item : items)
        box->addItem(FromAnsi(item));
}

void BindNumberEdits(const QList<std::pair<UpDown *, QLineEdit *>> &pairs)
{
    for (const auto &[upDown, edit] : pairs) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        edit->setPalette(palette);
        upDown->setBuddy(edit);
    }
}

int PowerChoiceIndexOf(int powerCode)
{
    int index = 0;
    SelectByText(PowerChoiceList, PowerNameOf(powerCode), index);
    return index;
}

int PowerCodeOfChoice(const QComboBox *box)
{
    return PowerCodeOf(ToAnsi(box->currentText()));
}
