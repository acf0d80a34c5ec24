// Where every item that can be clicked is drawn, and the rectangle of the 1200 x 700 design
// frame that a click must hit to reach it. The renderer draws from these numbers and the
// mouse code tests against them, so an item and its click area cannot drift apart.
// Pure arithmetic: no OpenGL, the headless core may include it.
#pragma once

// ============================================================================================
// Eye space and the design frame
// ============================================================================================

// The three planes things are drawn in.
constexpr float menuPlane = -2.0f;      // full-screen menus
constexpr float gamePlane = -5.0f;      // the game screens, dialogs and slot lists
constexpr float backdropPlane = -6.0f;  // backdrops

struct Point {
    float x, y;
};

// An axis-aligned rectangle. In design pixels (y down) it is a click area, open on every
// side; in eye space (y up) it is a drawn box from its lower-left to its upper-right corner.
struct Rect {
    float x0, y0, x1, y1;
    constexpr bool contains(float x, float y) const { return x0 < x && x < x1 && y0 < y && y < y1; }
    constexpr float width() const { return x1 - x0; }
    constexpr float height() const { return y1 - y0; }
};

constexpr Rect rectAt(float x, float y, float w, float h) { return {x, y, x + w, y + h}; }

// tan(22.5 degrees): half the 45-degree vertical field of view.
constexpr double tanHalfFov = 0.41421356237309503;

// Design pixels per eye unit at depth z (z < 0).
constexpr double pixelsPerUnit(float z) { return 350.0 / (-z * tanHalfFov); }
// Design-frame column of eye x at depth z, and row (from the top) of eye y.
constexpr double designX(float x, float z) { return 600.0 + x * pixelsPerUnit(z); }
constexpr double designY(float y, float z) { return 350.0 - y * pixelsPerUnit(z); }

// ============================================================================================
// The board and its zoom-and-pan window
// ============================================================================================

constexpr Rect boardRect{-1.75f, -2.0f, 1.75f, 1.5f};  // eye space, z = gamePlane
constexpr Rect boardArea{300, 100, 900, 690};          // design pixels

// The visible part of the board image: [originU, originU + size] by [originV, originV + size].
struct BoardWindow {
    float originU, originV, size;
};

constexpr BoardWindow boardWindow(float zoom, float panX, float panY) {
    return {2 * (1 - zoom) * (panX + 0.25f), 2 * (1 - zoom) * (panY + 0.25f), zoom};
}

// Board-image point (u, v) to eye space.
constexpr Point boardToEyeIn(const BoardWindow& w, float u, float v) {
    return {boardRect.x0 + boardRect.width() * (u - w.originU) / w.size,
            boardRect.y0 + boardRect.height() * (v - w.originV) / w.size};
}

// A click at design (X, Y) inside boardArea to board-image coordinates.
constexpr Point designToBoard(const BoardWindow& w, float x, float y) {
    return {w.originU + w.size * (x - 300) / 600, w.originV + w.size * (690 - y) / 590};
}

// The dice while a move is shown: each a 0.5 square turned about its lower-left corner.
struct DiePlace {
    float x, y, degrees;
};
constexpr float dieSide = 0.5f;
constexpr DiePlace diePlaces[2] = {{-0.48f, -0.42f, 20}, {0.08f, -0.74f, -20}};
// The middle pot's banknote, below and left of the dice.
constexpr Rect middleBanner{-0.75f, -0.66f, 0.05f, -0.46f};

// A building or mortgage mark on the board (board units, side 0.03) stands beside its
// owner's star (side 0.05), on the side towards the middle of the board.
constexpr float ownerStarSide = 0.05f, boardMarkSide = 0.03f;
constexpr Point boardMarkOffset(int square) {
    return square < 10   ? Point{0.01f, 0.055f}
           : square < 20 ? Point{0.055f, 0.01f}
           : square < 30 ? Point{0.01f, -0.035f}
                         : Point{-0.035f, 0.01f};
}

// ============================================================================================
// Turn title and action bar
// ============================================================================================

constexpr Point turnTitleAt{0, 1.9f};
constexpr float actionBarY = 1.65f;

struct ActionItem {
    const char* label;
    float x;   // centre of the label
    Rect hit;  // design pixels
};

constexpr ActionItem actionBarFree[4] = {
    {"Roll", -1.4f, {340, 60, 390, 90}},
    {"Trade", -0.8f, {420, 60, 510, 90}},
    {"House/Hotel", 0.1f, {530, 60, 700, 90}},
    {"Mortgage", 1.2f, {740, 60, 870, 90}},
};

// In jail "Leave Jail" takes room at the right and the others move left.
// The five labels keep even gaps (about 16 pixels) between them.
constexpr ActionItem actionBarJailed[5] = {
    {"Roll", -1.5f, {320, 60, 370, 90}},      {"Trade", -1.02f, {385, 60, 470, 90}},
    {"Houses", -0.37f, {476, 60, 592, 90}},   {"Mortgage", 0.41f, {598, 60, 736, 90}},
    {"Leave Jail", 1.3f, {750, 60, 890, 90}},
};

inline int actionCount(bool jailed) { return jailed ? 5 : 4; }
inline const ActionItem& actionItem(bool jailed, int index) {
    return jailed ? actionBarJailed[index] : actionBarFree[index];
}

// ============================================================================================
// Player panels (a seat's panel place is its tokenSlot)
// ============================================================================================

constexpr int panelColumn(int place) { return place / 4; }
constexpr int panelRow(int place) { return place % 4; }
constexpr float panelX(int place) { return panelColumn(place) * 5.3f - 3.5f; }
constexpr float panelTitleY(int place) { return 1.9f - panelRow(place); }
constexpr float panelCashX(int place) { return panelX(place) + 1.7f; }

constexpr Rect panelHit(int place) {
    return {panelColumn(place) * 890.0f + 10, panelRow(place) * 170.0f + 10,
            panelColumn(place) * 890.0f + 300, panelRow(place) * 170.0f + 180};
}

// The cell of a property (by its propertySlot code) in a panel, 0.2 x 0.08.
constexpr Rect panelCell(int place, int slotCode) {
    return rectAt(panelX(place) + (slotCode / 8) * 0.3f, 1.7f - panelRow(place) - (slotCode % 8) * 0.1f, 0.2f,
                  0.08f);
}

// The white cell of a held jail card, to the right of the property grid.
constexpr Rect panelJailCell(int place, int deck) {
    return rectAt(panelColumn(place) * 5.3f - 2, 1.4f - panelRow(place) - deck * 0.4f, 0.2f, 0.38f);
}

// ============================================================================================
// Asset menu (trade, houses, mortgage): properties by propertySlot code, 5 columns of 8 rows
// ============================================================================================

constexpr int assetColumn(int slotCode) { return slotCode / 8; }
constexpr int assetRow(int slotCode) { return slotCode % 8; }

constexpr Rect assetCursorBar(int slotCode) {
    return rectAt(assetColumn(slotCode) * 0.6f - 1.5f, 0.65f - assetRow(slotCode) * 0.4f, 0.6f, 0.4f);
}
constexpr Rect assetSelectedTile(int slotCode) {
    return rectAt(assetColumn(slotCode) * 0.6f - 1.49f, 0.66f - assetRow(slotCode) * 0.4f, 0.58f, 0.38f);
}
constexpr Rect assetBand(int slotCode) {
    return rectAt(assetColumn(slotCode) * 0.6f - 1.45f, 0.7f - assetRow(slotCode) * 0.4f, 0.5f, 0.3f);
}
constexpr Point assetNameAt(int slotCode) {
    return {assetColumn(slotCode) * 0.6f - 1.2f, 0.85f - assetRow(slotCode) * 0.4f};
}
constexpr Rect assetCellHit(int slotCode) {
    return {350.0f + 102 * assetColumn(slotCode), 176.0f + 68 * assetRow(slotCode),
            442.0f + 102 * assetColumn(slotCode), 236.0f + 68 * assetRow(slotCode)};
}

constexpr Point confirmAt{-1, -1.9f};
constexpr Point backAt{1, -1.9f};
constexpr Rect confirmBar{-1.7f, -2, -0.3f, -1.8f};
constexpr Rect backBar{0.3f, -2, 1.7f, -1.8f};
constexpr Rect confirmHit{370, 650, 490, 690};
constexpr Rect backHit{660, 650, 870, 690};

constexpr Rect jailTile(int deck) { return {1.32f, 1.28f - 0.2f * deck, 1.72f, 1.47f - 0.2f * deck}; }
constexpr Point jailTileTextAt(int deck) { return {1.52f, 1.375f - 0.2f * deck}; }
constexpr Rect jailTileHit(int deck) { return {820, 100.0f + 35 * deck, 890, 135.0f + 35 * deck}; }

// The seat's name with its cash under it, left of the amount line and clear of its arrows and
// of the jail cards.
constexpr Point menuPlayerNameAt{-0.9f, 1.42f};
constexpr Point menuCashAt{-0.9f, 1.2f};   // centred
constexpr Point amountLineAt{1.3f, 1.2f};  // right-aligned

// The amount field: each digit carries an up and a down arrow; its blinking bar spans the
// digit between the arrows. A word ("Mortgage", "Unmortgage") is covered whole instead.
constexpr float amountBarBottom = 1.12f, amountBarTop = 1.28f;
constexpr float upArrowBase = 1.3f, upArrowTip = 1.34f;
constexpr float downArrowBase = 1.1f, downArrowTip = 1.06f;
constexpr Rect mortgageWordBar{0.5f, 1.08f, 1.3f, 1.3f};
constexpr Rect unmortgageWordBar{0.3f, 1.08f, 1.3f, 1.3f};

// Clicks on the one-digit count of the houses and mortgage menus.
constexpr float moneyUpTop = static_cast<float>(designY(upArrowTip, gamePlane)) - 1;
constexpr float moneyUpBottom = static_cast<float>(designY(upArrowBase, gamePlane)) + 1;
constexpr float moneyDownTop = static_cast<float>(designY(downArrowBase, gamePlane)) - 1;
constexpr float moneyDownBottom = static_cast<float>(designY(downArrowTip, gamePlane)) + 1;
constexpr Rect houseCountUpHit{800, moneyUpTop, 820, moneyUpBottom};
constexpr Rect houseCountDownHit{800, moneyDownTop, 820, moneyDownBottom};
// The trade money field's columns end at this design column, units rightmost.
constexpr float moneyFieldRight = 820;

// ============================================================================================
// Dialogs, over the outline of the board
// ============================================================================================

constexpr Point seatLineAt{-1.5f, 1.1f};  // "%s $%d", left-aligned
constexpr Point dialogLine1At{0, 0.7f};
constexpr Point dialogLine2At{0, 0.4f};
constexpr Point noticeLine1At{0, 0.4f};
constexpr Point noticeLine2At{0, 0};

constexpr Rect miniCard{0.5f, 0.9f, 1.0f, 1.2f};

// The property card: the owner's star, and below it the mark of a built-on or mortgaged street.
constexpr Rect cardOwnerStar = rectAt(-0.4f, 0.5f, 0.5f, 0.5f);
constexpr Rect cardBuildingMark = rectAt(-0.3f, 0.18f, 0.3f, 0.3f);
constexpr Point miniCardNameAt{0.75f, 1.05f};

// YES / NO of the purchase and unmortgage questions.
constexpr Point yesAt{-0.2f, 0};
constexpr Point noAt{0.2f, 0};
constexpr Rect yesHit{530, 340, 600, 360};
constexpr Rect noHit{610, 340, 660, 360};

// Income tax: "$200" or "10%".
constexpr Point flatTaxAt{-0.5f, 0};
constexpr Point percentTaxAt{0.5f, 0};
constexpr Rect flatTaxHit{480, 335, 550, 365};
constexpr Rect percentTaxHit{650, 335, 710, 365};

// Auction: the bid increment with its two arrows, and the end button.
constexpr Point bidIncrementAt{-1.5f, 1.1f};  // left-aligned
struct Triangle {
    Point a, b, c;
};
// The arrows stand right of the increment, clear of four of its digits, left of the card.
constexpr Triangle bidUpArrow{{0.22f, 1.18f}, {0.32f, 1.22f}, {0.42f, 1.18f}};
constexpr Triangle bidDownArrow{{0.22f, 1.02f}, {0.32f, 0.98f}, {0.42f, 1.02f}};
constexpr Rect bidUpHit{636, 140, 672, 155};
constexpr Rect bidDownHit{636, 175, 672, 190};
constexpr Point auctionEndAt{0, -0.1f};
constexpr Rect auctionEndHit{490, 350, 590, 380};
constexpr Point auctionHowToBidAt[2] = {{0, -0.5f}, {0, -0.7f}};

// Trade partner choice.
constexpr Point partnerLine1At{0, 1};
constexpr Point partnerLine2At{0, 0.8f};
constexpr Point partnerBackAt{0, 0};
constexpr Rect partnerBackBar{-0.8f, -0.1f, 0.8f, 0.1f};
constexpr Rect partnerBackHit{500, 335, 700, 365};

// Trade offer.
constexpr Point offerTitleAt{-1, 1.4f};
constexpr Point offerYesAt{0.2f, 1.4f};
constexpr Point offerNoAt{0.8f, 1.4f};
constexpr Rect offerYesHit{600, 100, 670, 130};
constexpr Rect offerNoHit{710, 100, 760, 130};
constexpr Point offerInitiatorAt{-1.55f, 1.1f};  // left-aligned
constexpr Point offerPartnerAt{0.07f, 1.1f};     // left-aligned

// Item n of a side of the offer: column n / 10, row n % 10.
constexpr Rect offerCell(bool partnerSide, int n) {
    return rectAt((n / 10) * 0.5f + (partnerSide ? 0.07f : -1.55f), 0.72f - (n % 10) * 0.3f, 0.48f, 0.28f);
}
constexpr Point offerCellTextAt(bool partnerSide, int n) {
    return {(n / 10) * 0.5f + (partnerSide ? 0.31f : -1.31f), 0.86f - (n % 10) * 0.3f};
}

// ============================================================================================
// Full-screen menus (z = menuPlane unless noted)
// ============================================================================================

constexpr Point startAt{-0.5f, 0.5f};
constexpr Point optionsAt{-0.5f, 0.3f};
constexpr Rect startHit{250, 110, 520, 170};
constexpr Rect optionsHit{220, 190, 560, 260};
// A dim plate behind both items, between the board backdrop and the menu's text.
constexpr float startPlatePlane = -2.5f;
constexpr Rect startPlate{-1.2f, 0.22f, -0.02f, 0.75f};

// Options: five rows of labels with values between a pair of arrows (z = gamePlane).
constexpr int optionRowCount = 5;
constexpr float optionLabelX = -1.2f;
constexpr float optionValueX = 0.8f;
constexpr float optionRowY(int row) { return 0.5f - 0.2f * row; }
constexpr float optionArrowSide = 0.5f;
// The arrows leave room for the widest value, "$500", between them.
constexpr float decreaseArrowX = 0.93f;  // drawn mirrored
constexpr float increaseArrowX = 2.57f;
// Lower edge of the arrows of option row 0..3; each pair is centred on its row's label.
constexpr float optionArrowY(int row) { return 1.0f - 0.5f * row; }
constexpr float optionRowTop[4] = {120, 200, 290, 370};  // design rows of the arrows' click areas
constexpr float optionRowBottom[4] = {160, 240, 330, 410};
constexpr Rect decreaseArrowHit(int row) { return {768, optionRowTop[row], 842, optionRowBottom[row]}; }
constexpr Rect increaseArrowHit(int row) { return {1034, optionRowTop[row], 1108, optionRowBottom[row]}; }
constexpr Rect backToMenuHit{90, 450, 680, 510};

// Quit question: YES on the right, NO on the left.
constexpr Point quitYesAt{0.5f, 0};
constexpr Point quitNoAt{-0.5f, 0};
constexpr Rect quitYesHit{730, 320, 890, 380};
constexpr Rect quitNoHit{330, 320, 440, 380};

// Save / load choice.
constexpr Point saveChoiceAt{-0.5f, 0};
constexpr Point loadChoiceAt{0.5f, 0};
constexpr Rect saveChoiceHit{280, 320, 500, 380};
constexpr Rect loadChoiceHit{700, 320, 920, 380};

// Save slots, 3 columns of 10 (z = gamePlane).
constexpr Rect slotBox(int slot) {
    return {(slot / 10) * 2.5f - 3.5f, 1.4f - (slot % 10) * 0.3f, (slot / 10) * 2.5f - 1.5f,
            1.6f - (slot % 10) * 0.3f};
}
constexpr Point slotLabelAt(int slot) { return {(slot / 10) * 2.5f - 2.5f, 1.5f - (slot % 10) * 0.3f}; }
constexpr Rect slotHit(int slot) {
    return {(slot / 10) * 420.0f + 10, (slot % 10) * 51.0f + 80, (slot / 10) * 420.0f + 350,
            (slot % 10) * 51.0f + 115};
}
constexpr Point slotTitleAt{0, 1.9f};
constexpr Point slotTypedNameAt{0, -1.62f};
constexpr Point slotHintAt{0, -1.92f};

// Hints under the name fields and the SAVE / LOAD choice (z = gamePlane).
constexpr Point nameHintAt{0, -0.55f};
constexpr Point saveHintAt{0, -0.7f};

// The "Saved" note after a save.
constexpr Point savedNoteAt{0, 0};
constexpr Rect savedPlate{-0.45f, -0.15f, 0.45f, 0.15f};
