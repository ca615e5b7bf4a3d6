#include "games/GamePage.h"

TGamePage::TGamePage(TGame game, IDrawHost &host, IRandomSource &random, QObject *parent)
    : QObject(parent), FInfo(GameInfo(game)), FHost(host), FRandom(random), FDisplay(game),
      FPocetCisel(FInfo.NumbersDefault), FPocetPoliText(QString::number(PocetPoliDefault)) {}
