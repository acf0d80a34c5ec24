#include "app/mouse.h"

#include <algorithm>

#include "ai/computer.h"
#include "app/aids.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/board_geometry.h"
#include "game/rules.h"
#include "game/tables.h"
#include "ui/layout.h"

namespace {

bool inside(const Rect& r, int x, float y) { return r.contains(static_cast<float>(x), y); }

bool inBoardArea(int x, float y) { return inside(boardArea, x, y); }

// The seat whose panel is under the click, or -1.
int panelSeatAt(int x, float y) {
    for (int seat = 0; seat < playersInPlay() && seat < maxSeats; ++seat)
        if (inside(panelHit(game.tokenSlot[seat] & 7), x, y)) return seat;
    return -1;
}

int humanPanelSeatAt(int x, float y) {
    const int seat = panelSeatAt(x, y);
    return isHumanSeatInPlay(seat) ? seat : -1;
}

Point clickToBoard(int x, float y) {
    return designToBoard(boardWindow(game.zoom, game.panX, game.panY), static_cast<float>(x), y);
}

// The first property whose square's hit box holds the board point.
int propertyAtBoardPoint(Point p) {
    for (int prop = 0; prop < propertyCount; ++prop) {
        const int s = propertySquare[prop];
        if (tileClickBox(s, game.squareSpotX[s], game.squareSpotY[s]).containsOpen({p.x, p.y})) return prop;
    }
    return -1;
}

bool currentInJail() { return game.position[game.currentPlayer] == jailCell; }

// The action-bar entry under the click (0 Roll .. 4 Leave Jail), or -1.
int actionAt(int x, float y) {
    const bool jailed = currentInJail();
    for (int i = 0; i < actionCount(jailed); ++i)
        if (inside(actionItem(jailed, i).hit, x, y)) return i;
    return -1;
}

int saveSlotAt(int x, float y) {
    for (int slot = 0; slot < saveSlotCount; ++slot)
        if (inside(slotHit(slot), x, y)) return slot;
    return -1;
}

void answerYesNo(int x, float y, void (*answer)()) {
    if (inside(yesHit, x, y)) {
        game.promptYes = true;
        answer();
    } else if (inside(noHit, x, y)) {
        game.promptYes = false;
        answer();
    }
}

void answerUnmortgage() { answerUnmortgageQuestion(game.promptYes); }

// The pixel width of a digit in the money field.
int digitWidth(int digit) { return digit == 1 ? 11 : digit == 4 ? 18 : 17; }

// Clicks on the trade money field's arrows: one column per digit of the seat's money.
bool clickMoneyField(int x, float y) {
    const int money = game.money[game.menuPlayer];
    if (money <= 0) return false;
    const bool up = moneyUpTop < y && y < moneyUpBottom;
    const bool down = moneyDownTop < y && y < moneyDownBottom;
    if (!up && !down) return false;
    int right = static_cast<int>(moneyFieldRight);
    int column = 0;
    for (int rest = money, shown = game.tradeMoney; rest > 0; rest /= 10, shown /= 10, ++column) {
        const int left = right - digitWidth(shown % 10);
        if (left <= x && x < right) {
            game.amountDigit = column;
            game.assetCursor = CursorAmount;
            changeAssetAmount(up ? +1 : -1);
            return true;
        }
        right = left;
    }
    return false;
}

bool clickAssetMenuControls(int x, float y) {
    if (inside(backHit, x, y)) {
        game.assetCursor = CursorBack;
        if (!game.inDebt) closeAssetMenu();
        return true;
    }
    if (inside(confirmHit, x, y)) {
        game.assetCursor = CursorConfirm;
        confirmAssetMenu();
        return true;
    }
    if (game.menuIndex == KindTrade) {
        for (int deck = 0; deck < 2; ++deck)
            if (inside(jailTileHit(deck), x, y) && game.jailCardHolder[deck] == game.menuPlayer) {
                game.assetCursor = deck == 0 ? CursorJailCard0 : CursorJailCard1;
                game.jailCardSelected[deck] = !game.jailCardSelected[deck];
                return true;
            }
    } else {
        const int direction = inside(houseCountUpHit, x, y) ? +1 : inside(houseCountDownHit, x, y) ? -1 : 0;
        if (direction != 0) {
            game.assetCursor = CursorAmount;
            game.amountDigit = 0;
            changeAssetAmount(direction);
            return true;
        }
    }
    const int tab = actionAt(x, y);
    if (tab >= KindTrade && tab <= KindMortgage && tab != game.menuIndex) {
        selectAssetKind(tab);
        game.assetCursor = CursorKindRow;
        return true;
    }
    return game.menuIndex == KindTrade && clickMoneyField(x, y);
}

void clickAssetMenu(int x, float y) {
    clickAssetMenuControls(x, y);
    // The same click may also fall on a cell or a panel; none of them overlaps a control.
    if (game.screen != AssetMenu) return;
    for (int p = 0; p < propertyCount; ++p)
        if (game.owner[p] == game.menuPlayer && inside(assetCellHit(propertySlot[p]), x, y)) {
            game.assetCursor = p;
            game.selected[p] = !game.selected[p];
            return;
        }
    const int seat = humanPanelSeatAt(x, y);
    if (seat >= 0 && !game.inDebt && !game.tradePartnerSide) switchAssetMenuSeat(seat);
}

void clickBoard(int x, float y) {
    if (inBoardArea(x, y)) {
        const int prop = propertyAtBoardPoint(clickToBoard(x, y));
        if (prop >= 0) {
            game.boardCursor = propertySquare[prop];
            game.returnScreen = Board;
            game.screen = PropertyCard;
        }
        return;
    }
    const int action = actionAt(x, y);
    if (action == 0) {
        game.menuIndex = 0;
        rollDice();
        return;
    }
    if (action >= KindTrade && action <= KindMortgage) {
        game.menuIndex = action;
        if (action == KindHouses) game.houseCount = 1;
        openAssetMenu(game.currentPlayer);
        return;
    }
    if (action == 4) {
        if (currentInJail()) leaveJail();
        return;
    }
    const int seat = humanPanelSeatAt(x, y);
    if (seat >= 0) openSeatMenuFromBoard(seat);
}

void clickOptions(int x, float y) {
    for (int row = 0; row < 4; ++row) {
        const bool decrease = inside(decreaseArrowHit(row), x, y);
        if (decrease || inside(increaseArrowHit(row), x, y)) {
            game.menuIndex = row;
            changeOption(decrease ? -1 : +1);
            return;
        }
    }
    if (inside(backToMenuHit, x, y)) {
        game.menuIndex = 0;
        game.screen = StartMenu;
    }
}

void clickScreen(int x, float y);

// A click on a layer of the game, once the input gate has let it through.
void clickGameLayer(Layer layer, int x, float y) {
    switch (layer) {
        case LayerQuit:
            if (inside(quitYesHit, x, y)) {
                game.quitYes = true;
                resetToStartMenu();
            } else if (inside(quitNoHit, x, y)) {
                game.quitYes = false;
                game.quitConfirmOpen = false;
            }
            break;
        case LayerNotice:
            if (inBoardArea(x, y)) dismissNotice();
            break;
        case LayerUnmortgage:
            if (input.freshQuestionTicks == 0) answerYesNo(x, y, answerUnmortgage);
            break;
        case LayerUtilityRoll:
            if (inside(actionBarFree[0].hit, x, y)) rollForUtilityRent();
            break;
        case LayerPurchase: answerYesNo(x, y, answerPurchaseQuestion); break;
        case LayerAuction:
            if (inside(auctionEndHit, x, y))
                endAuction();
            else if (inside(bidUpHit, x, y))
                raiseBidIncrement();
            else if (inside(bidDownHit, x, y))
                lowerBidIncrement();
            else if (humanPanelSeatAt(x, y) >= 0)
                bidForPerson(humanPanelSeatAt(x, y));
            break;
        case LayerTax:
            if (inside(flatTaxHit, x, y) || inside(percentTaxHit, x, y)) {
                game.promptYes = inside(flatTaxHit, x, y);
                payIncomeTax();
            }
            break;
        case LayerTradePartner:
            if (inside(partnerBackHit, x, y))
                game.choosingTradePartner = false;
            else if (panelSeatAt(x, y) >= 0)
                chooseTradePartner(panelSeatAt(x, y));
            break;
        case LayerTradeOffer:
            if (inside(offerYesHit, x, y) || inside(offerNoHit, x, y)) {
                game.promptYes = inside(offerYesHit, x, y);
                answerTradeOffer();
            }
            break;
        case LayerScreen:
            if (game.screen == Board && game.cameraGlide > 0) break;  // the camera glides to its target
            clickScreen(x, y);
            break;
        default: break;  // the layers above the game, and the bankruptcy notice (gated)
    }
}

// A click on the layer above the game on top (help, statistics, F4, "WINS").
void clickUpperLayer(Layer layer, int x, float y) {
    switch (layer) {
        case LayerHelp: shell.helpOpen = false; break;
        case LayerStatistics: shell.statsOpen = false; break;
        case LayerSaveName: confirmSaveName(); break;
        case LayerSaveSlots: saveIntoSlot(saveSlotAt(x, y)); break;
        case LayerLoadSlots: loadFromSlot(saveSlotAt(x, y)); break;
        case LayerSaveChoice:
            if (inside(saveChoiceHit, x, y))
                chooseSave();
            else if (inside(loadChoiceHit, x, y))
                chooseLoad();
            break;
        case LayerGameOver:
            if (inBoardArea(x, y)) {
                game.gameOver = false;
                resetToStartMenu();
            }
            break;
        default: break;
    }
}

void clickScreen(int x, float y) {
    switch (game.screen) {
        case StartMenu:
            if (inside(startHit, x, y)) {
                setUpGame();
            } else if (inside(optionsHit, x, y)) {
                game.menuIndex = 0;
                game.screen = OptionsMenu;
            }
            break;
        case OptionsMenu: clickOptions(x, y); break;
        case Board: clickBoard(x, y); break;
        case PropertyCard:
            if (inBoardArea(x, y)) game.screen = game.returnScreen;
            break;
        case TurnOrder: leaveTurnOrder(); break;
        case NameEntry: confirmName(); break;
        case AssetMenu: clickAssetMenu(x, y); break;
        default: break;
    }
}

}  // namespace

void leftClick(int x, float y) {
    const Layer top = topLayer();
    if (top <= LayerGameOver) {
        clickUpperLayer(top, x, y);
        return;
    }
    switch (inputGate()) {
        case InputClosed: return;
        case InputDigitsOnly: {
            const int seat = humanPanelSeatAt(x, y);
            if (seat >= 0) openSeatMenuFromBoard(seat);
            return;
        }
        case InputOpen: clickGameLayer(top, x, y); return;
    }
}

void rightClick(int x, float y) {
    // Only the screen itself answers a right click, and only when a person may act.
    if (topLayer() != LayerScreen || inputGate() != InputOpen) return;
    if (game.screen == Board && inBoardArea(x, y) && game.cameraGlide == 0) {
        const float zoom = game.zoom;
        if (zoom >= 1.0f) return;
        const Point p = clickToBoard(x, y);
        const float uo = std::clamp(p.x - zoom / 2, 0.0f, 1 - zoom);
        const float vo = std::clamp(p.y - zoom / 2, 0.0f, 1 - zoom);
        game.cameraTargetX = std::clamp(uo / (1 - zoom) * 0.5f - 0.25f, -0.25f, 0.25f);
        game.cameraTargetZ = std::clamp(vo / (1 - zoom) * 0.5f - 0.25f, -0.25f, 0.25f);
        game.cameraGlide = 10;
    } else if (game.screen == AssetMenu) {
        for (int p = 0; p < propertyCount; ++p)
            if (game.owner[p] == game.menuPlayer && inside(assetCellHit(propertySlot[p]), x, y)) {
                game.returnScreen = AssetMenu;
                game.screen = PropertyCard;
                game.assetCursor = p;
                return;
            }
    }
}

void onMouse(int button, int state, int x, int y) {
    if (state != mouseButtonDown || shell.uiScale <= 0) return;
    const int designX = static_cast<int>(x / shell.uiScale);
    const float designY = y / shell.uiScale;
    if (button == mouseLeftButton)
        leftClick(designX, designY);
    else if (button == mouseRightButton)
        rightClick(designX, designY);
}
