#include "play/play_key_codes.h"

#include "play/play_keys.h"

namespace {

int navigationCode(int key)
{
    switch (key) {
    case Qt::Key_Home: return KEY_HOME;
    case Qt::Key_End: return KEY_END;
    case Qt::Key_Left: return KEY_LEFT;
    case Qt::Key_Up: return KEY_UP;
    case Qt::Key_Right: return KEY_RIGHT;
    case Qt::Key_Down: return KEY_DOWN;
    default: return 0;
    }
}

int keypadCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return KEY_PAD_0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return KEY_PAD_TIMES;
    case Qt::Key_Plus: return KEY_PAD_PLUS;
    case Qt::Key_Minus: return KEY_PAD_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Comma: return KEY_PAD_POINT;
    case Qt::Key_Slash: return KEY_PAD_DIVIDE;
    default: return navigationCode(key);
    }
}

// The key of a US keyboard that types this symbol with Shift; 0 for others.
int shiftedSymbolKey(int key)
{
    switch (key) {
    case Qt::Key_ParenRight: return Qt::Key_0;
    case Qt::Key_Exclam: return Qt::Key_1;
    case Qt::Key_At: return Qt::Key_2;
    case Qt::Key_NumberSign: return Qt::Key_3;
    case Qt::Key_Dollar: return Qt::Key_4;
    case Qt::Key_Percent: return Qt::Key_5;
    case Qt::Key_AsciiCircum: return Qt::Key_6;
    case Qt::Key_Ampersand: return Qt::Key_7;
    case Qt::Key_Asterisk: return Qt::Key_8;
    case Qt::Key_ParenLeft: return Qt::Key_9;
    case Qt::Key_Underscore: return Qt::Key_Minus;
    default: return 0;
    }
}

int mainKeyboardCode(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;  // Qt's codes of these keys are their ASCII capitals and digits
    if (key == Qt::Key_Space)
        return KEY_SPACE;
    if (key == Qt::Key_Minus)
        return KEY_MINUS;
    return navigationCode(key);
}

int shiftBits(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? KEY_SHIFT : 0) | (modifiers & Qt::ControlModifier ? KEY_CTRL : 0)
        | (modifiers & Qt::AltModifier ? KEY_ALT : 0);
}

}  // namespace

PlayKeyPress PlayKeyFromQt(int key, Qt::KeyboardModifiers modifiers)
{
    const int shift = shiftBits(modifiers);
    if (modifiers & Qt::KeypadModifier)
        return {keypadCode(key), shift};
    if (modifiers & Qt::ShiftModifier) {
        if (const int unshifted = shiftedSymbolKey(key))
            key = unshifted;
    }
    return {mainKeyboardCode(key), shift};
}
