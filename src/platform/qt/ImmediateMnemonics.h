#pragma once

class QWidget;

// Qt presses a button on its mnemonic (Alt+letter, or the letter alone in a message box)
// with an animated click that reports the click 100 ms later, so a key typed at once after
// it runs first: Alt+S and then Down adds the next source CD's files instead of the ones
// shown. After this, every mnemonic of the buttons under root clicks at once, like Enter.
// Buttons are looked up now: call it once they all exist.
void clickMnemonicsAtOnce(QWidget* root);
