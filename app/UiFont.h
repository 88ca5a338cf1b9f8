#pragma once

namespace lccd {

class FontSystem;

// Makes the windows' font, "ＭＳ Ｐゴシック" at 12 pixels as they were designed, the
// application's font (menus, dialogs and message boxes take it too). The face is drawn by its
// installed substitute, which the font list makes known first, so Latin and Japanese text share
// one Japanese-capable family in every locale instead of the locale's default Latin family
// with Japanese glyphs borrowed from another.
void useJapaneseUiFont(FontSystem& fonts);

} // namespace lccd
