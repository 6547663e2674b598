#pragma once
// The print layout names Windows fonts ("ＭＳ Ｐ明朝", "Century", …). They
// stay so in the settings; at drawing time each is replaced by an installed
// face with matching metrics: IPA fonts for the Japanese faces and URW's C059
// for Century. Names without a stand-in are used as they are.
#include <QString>

#include <string_view>

namespace tarvo::gui {

// The installed family that draws the font named `name`.
QString standInFamily(std::string_view name);
// Registers every stand-in with Qt's font substitution table, so that a
// QFont made with a Windows name resolves to its stand-in too. Idempotent.
void installFontStandIns();

} // namespace tarvo::gui
