#include "support/army_samples.h"

QByteArray NewKnightBytes()
{
    QByteArray bytes(252, '\0');
    bytes.replace(144, 6, "KNIGHT");
    const char figures[] = {5, 1, 6, 1, 1, 1, 1};
    bytes.replace(153, 7, figures, 7);
    bytes.replace(160, 4, "none");
    bytes[226] = 1;
    bytes[228] = 10;
    bytes[247] = 4;
    return bytes;
}

ArmyRecord SampleArmy()
{
    ArmyRecord army;
    army.name = "Black Kn\xEEghts";
    army.description = "Riders of the\r\n\xA0northern marches";
    army.medalChance = 100;
    army.strength = 9;
    army.move = 99;
    army.hits = 4;
    army.turns = 5;
    army.upkeep = 200;
    army.view = 7;
    army.race = 7;
    army.moveBonuses = {1, 2, 0, 7};
    army.combatTerrain = 6;
    army.combatBonus = 255;
    army.cost = 9999;
    army.setup = 9990;
    army.power = 38;
    army.powerValue = 128;
    army.sound = 10;
    army.facing = 7;
    return army;
}
