#pragma once

#include "army/army_file.h"

#include <QWidget>

#include <memory>

class QComboBox;

namespace Ui {
class ArmyPage;
}

// The Army Editor page: its controls are the only copy of the army being
// edited.
class ArmyPage : public QWidget {
    Q_OBJECT

public:
    explicit ArmyPage(QWidget *parent = nullptr);
    ~ArmyPage() override;

    void ResetArmyPage();
    void showRecord(const ArmyRecord &army);
    ArmyRecord record() const;

    // No move-bonus terrain may be chosen twice; runs on the user's picks only.
    void MoveComboBox1Change(QComboBox *changed);

private:
    QList<QComboBox *> moveBonusBoxes() const;

    std::unique_ptr<Ui::ArmyPage> ui;
};
