#include "army/army_page.h"

#include "app/ansi_text.h"
#include "app/modal_dialogs.h"
#include "app/page_controls.h"
#include "records/choice_lists.h"
#include "records/powers.h"
#include "ui_army_page.h"

#include <array>

using namespace vellgard;

ArmyPage::ArmyPage(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::ArmyPage>())
{
    ui->setupUi(this);
    for (QComboBox *box : moveBonusBoxes()) {
        FillChoiceBox(box, MoveBonusTerrainList);
        connect(box, &QComboBox::activated, this, [this, box] { MoveComboBox1Change(box); });
    }
    FillChoiceBox(ui->PowerComboBox, PowerChoiceList);
    FillChoiceBox(ui->CombatComboBox, CombatTerrainList);
    FillChoiceBox(ui->SoundComboBox, SoundList);
    FillChoiceBox(ui->FacingComboBox, FacingList);
    FillChoiceBox(ui->RaceComboBox, RaceList);
    BindNumberEdits({
        {ui->StrengthUpDown, ui->StrengthEdit}, {ui->HitsUpDown, ui->HitsEdit},
        {ui->ViewUpDown, ui->ViewEdit},         {ui->MoveUpDown, ui->MoveEdit},
        {ui->TurnsUpDown, ui->TurnsEdit},       {ui->CostUpDown, ui->CostEdit},
        {ui->UpkeepUpDown, ui->UpkeepEdit},     {ui->SetupUpDown, ui->SetupEdit},
        {ui->PowerUpDown, ui->PowerEdit},       {ui->CombatUpDown, ui->CombatEdit},
        {ui->MedalUpDown, ui->MedalEdit},
    });
}

ArmyPage::~ArmyPage() = default;

QList<QComboBox *> ArmyPage::moveBonusBoxes() const
{
    return {ui->MoveComboBox1, ui->MoveComboBox2, ui->MoveComboBox3, ui->MoveComboBox4};
}

void ArmyPage::ResetArmyPage()
{
    showRecord(ArmyRecord{});
}

void ArmyPage::showRecord(const ArmyRecord &army)
{
    ui->PowerComboBox->setCurrentIndex(PowerChoiceIndexOf(army.power));
    ui->CombatComboBox->setCurrentIndex(army.combatTerrain);
    const QList<QComboBox *> moveBoxes = moveBonusBoxes();
    for (qsizetype i = 0; i < moveBoxes.size(); ++i)
        moveBoxes[i]->setCurrentIndex(army.moveBonuses[static_cast<std::size_t>(i)]);
    ui->SoundComboBox->setCurrentIndex(army.sound);
    ui->FacingComboBox->setCurrentIndex(army.facing);
    ui->RaceComboBox->setCurrentIndex(army.race);
    ui->StrengthUpDown->setPosition(army.strength);
    ui->HitsUpDown->setPosition(army.hits);
    ui->ViewUpDown->setPosition(army.view);
    ui->MoveUpDown->setPosition(army.move);
    ui->TurnsUpDown->setPosition(army.turns);
    ui->CostUpDown->setPosition(army.cost);
    ui->UpkeepUpDown->setPosition(army.upkeep);
    ui->SetupUpDown->setPosition(army.setup);
    ui->MedalUpDown->setPosition(army.medalChance);
    ui->PowerUpDown->setPosition(army.powerValue);
    ui->CombatUpDown->setPosition(army.combatBonus);
    ui->NameEdit->setText(FromAnsi(army.name));
    ui->DescriptionMemo->setMemoText(FromAnsi(army.description));
}

ArmyRecord ArmyPage::record() const
{
    ArmyRecord army;
    army.name = ToAnsi(ui->NameEdit->text());
    army.description = ToAnsi(ui->DescriptionMemo->memoText());
    army.medalChance = ui->MedalUpDown->position();
    army.strength = ui->StrengthUpDown->position();
    army.move = ui->MoveUpDown->position();
    army.hits = ui->HitsUpDown->position();
    army.turns = ui->TurnsUpDown->position();
    army.upkeep = ui->UpkeepUpDown->position();
    army.view = ui->ViewUpDown->position();
    army.race = ui->RaceComboBox->currentIndex();
    const QList<QComboBox *> moveBoxes = moveBonusBoxes();
    for (qsizetype i = 0; i < moveBoxes.size(); ++i)
        army.moveBonuses[static_cast<std::size_t>(i)] = moveBoxes[i]->currentIndex();
    army.combatTerrain = ui->CombatComboBox->currentIndex();
    army.combatBonus = ui->CombatUpDown->position();
    army.cost = ui->CostUpDown->position();
    army.setup = ui->SetupUpDown->position();
    army.power = PowerCodeOfChoice(ui->PowerComboBox);
    army.powerValue = ui->PowerUpDown->position();
    army.sound = ui->SoundComboBox->currentIndex();
    army.facing = ui->FacingComboBox->currentIndex();
    return army;
}

void ArmyPage::MoveComboBox1Change(QComboBox *changed)
{
    std::array<int, MoveBonusTerrainList.size()> chosenCount{};
    for (const QComboBox *box : moveBonusBoxes())
        if (box->currentIndex() >= 0)
            ++chosenCount[static_cast<std::size_t>(box->currentIndex())];
    for (std::size_t terrain = 1; terrain < chosenCount.size(); ++terrain) {
        if (chosenCount[terrain] > 1) {
            ShowMessage(this, QStringLiteral("You cannot select the same move bonus twice!"));
            changed->setCurrentIndex(0);
        }
    }
}
