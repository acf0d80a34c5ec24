// Texts the screens compose from the state. Pure text and arithmetic, linked into the core.
#include "ui/labels.h"

#include <cstdio>
#include <cstring>

#include "game/tables.h"
#include "ui/text_metrics.h"

ShortName shortName(int property) {
    ShortName name{};
    if (property < 0 || property >= propertyCount) return name;
    const char* source = nameLine1(property);
    size_t from = 0;
    if (property == 0 || property == 1) {  // both read "Saltmarsh": told apart by line 2's second word
        source = nameLine2(property);
        from = 4;
    } else if (property == 20 || property == 21) {  // both read "Capitolis"
        source = nameLine2(property);
    }
    const size_t length = std::strlen(source);
    for (size_t i = 0; i < 4 && from + i < length; ++i) name.text[i] = source[from + i];
    if (property == 27) {  // the second Iron Moon
        name.text[2] = 'I';
        name.text[3] = 'I';
    }
    return name;
}

void propertyTitle(char* out, size_t size, const char* verb, int property) {
    if (property < 0 || property >= propertyCount) {
        std::snprintf(out, size, "%s", verb);
        return;
    }
    if (nameLine2(property)[0] == '\0')
        std::snprintf(out, size, "%s %s", verb, nameLine1(property));
    else
        std::snprintf(out, size, "%s %s %s", verb, nameLine1(property), nameLine2(property));
}

int decimalDigits(int amount) {
    int digits = 1;
    for (; amount >= 10; amount /= 10) ++digits;
    return digits;
}

void amountLineText(char* out, size_t size, int kind, int cash, int tradeMoney, int houseCount) {
    if (kind == KindTrade) {
        std::snprintf(out, size, "Trade $%0*d", decimalDigits(cash > 0 ? cash : 0), tradeMoney);
    } else if (kind == KindHouses) {
        std::snprintf(out, size, "Buy Houses %d", houseCount);
    } else if (houseCount == 0) {
        std::snprintf(out, size, "Mortgage");
    } else if (houseCount < 0) {
        std::snprintf(out, size, "Unmortgage");
    } else {
        std::snprintf(out, size, "Sell Houses %d", houseCount);
    }
}

int amountLineDigits(const char* line) {
    int digits = 0;
    for (size_t i = std::strlen(line); i > 0 && line[i - 1] >= '0' && line[i - 1] <= '9'; --i) ++digits;
    return digits;
}

DigitSpan amountDigitSpan(const char* line, int k, float right) {
    const size_t length = std::strlen(line);
    if (k < 0 || static_cast<size_t>(k) >= length) return {right, 0};
    float sum = 0;
    float width = 0;
    for (int i = 0; i <= k; ++i) {
        const unsigned char c = static_cast<unsigned char>(line[length - 1 - i]);
        width = hasGlyph(c) ? glyphAdvance[c] / 500.0f : 0.06f;
        sum += width + 0.008f;
    }
    return {right - sum, width};
}
