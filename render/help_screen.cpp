// The F1 help screen: the keys and clicks that apply to the situation it was opened in.
#include <GL/gl.h>

#include "app/help_sets.h"
#include "render/screens.h"
#include "render/widgets.h"

constexpr float helpLineX = -3.0f;
constexpr float helpContinuationX = -2.5f;
constexpr float helpKeyboardTop = 1.5f;
constexpr float helpMouseTop = -0.5f;
constexpr float helpLineStep = 0.2f;

// One list of lines, each on its own row; continuation lines are indented.
static void drawHelpLines(const char* const* lines, int count, float top) {
    for (int i = 0; i < count; ++i) {
        const float x = isContinuationLine(lines[i]) ? helpContinuationX : helpLineX;
        drawText(Left, lines[i], x, top - helpLineStep * i, gamePlane, white);
    }
}

void drawHelpScreen() {
    drawMenuBackdrop();
    drawText(Centre, "HELP MENU", 0, 1.9f, gamePlane, 0, 0, 1);
    drawText(Left, "KEYBOARD", -3.5f, 1.7f, gamePlane, 1, 0, 0);
    drawText(Left, "MOUSE", -3.5f, -0.3f, gamePlane, 0, 0.7f, 0);
    const HelpText& text = helpText(chooseHelpSet());
    drawHelpLines(text.keyboard, text.keyboardLines, helpKeyboardTop);
    drawHelpLines(text.mouse, text.mouseLines, helpMouseTop);
    glColor3f(1, 1, 1);
}
