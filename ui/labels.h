// Texts the screens compose from the state: short property names, property titles and the
// asset menu's amount line with the places of its digits. No OpenGL: the mouse code and the
// headless tests use the same texts and spans.
#pragma once

#include <cstddef>

// Up to four characters naming a property on tiles and mini cards ("" for no property).
struct ShortName {
    char text[5];
};
ShortName shortName(int property);

// "<verb> <line 1>" for a one-line name, "<verb> <line 1> <line 2>" for a two-line one.
void propertyTitle(char* out, size_t size, const char* verb, int property);

// The number of decimal digits of a non-negative amount (1 for 0).
int decimalDigits(int amount);

// The asset menu's amount line for a menu kind (1 trade, 2 houses, 3 mortgage):
// "Trade $" and the offer padded with zeros to as many digits as the cash has,
// "Buy Houses %d", or "Mortgage", "Unmortgage", "Sell Houses %d".
void amountLineText(char* out, size_t size, int kind, int cash, int tradeMoney, int houseCount);

// How many digits at the right end of the amount line can be changed (0 while it is a word).
int amountLineDigits(const char* line);

// Digit k of a line right-aligned at `right` (k = 0 the last character, counting leftwards),
// as drawn: it starts at x0 and its ink is w wide (eye units).
struct DigitSpan {
    float x0, w;
};
DigitSpan amountDigitSpan(const char* line, int k, float right);
