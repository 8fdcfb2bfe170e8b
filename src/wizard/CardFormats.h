#pragma once

#include <QString>
#include <array>
#include <optional>

// The card formats a new project can take and the rules of the custom size
// fields. Sizes are twips (567 per centimetre).
namespace CardFormats {

struct Format {
    const char *text; // UTF-8
    double width;
    double height;
};

// In list order; the last one, "Etiquette personnalisée...", starts at the
// size of the first until a custom field changes.
inline constexpr std::array<Format, 4> List = {{
    {"Grand format - ( 8,4 x 5,4 cm )", 4762.8, 3061.8},
    {"Moyen format - ( 7,4 x 4,4 cm )", 4195.8, 2494.8},
    {"Petit format - ( 6,4 x 3,4 cm )", 3628.8, 1927.8},
    {"Etiquette personnalisée...", 4762.8, 3061.8},
}};
inline constexpr int Custom = 3;

QString text(int position);

// The custom fields: 0 the length ("Longueur :"), 1 the height
// ("Hauteur :").
enum Field { Length = 0, Height = 1 };

// "8,4" for the length, "5,4" for the height.
QString initialText(int field);
// The message that refuses a field's text.
QString refusal(int field);
// The message shown when "." is typed.
QString commaAdvice();

// A field's text as centimetres: a decimal number written with a comma,
// blanks around it allowed, from 1 to 23. Nothing for anything else (a
// point, letters, an empty text, a value out of range).
std::optional<double> centimetres(const QString &text);

} // namespace CardFormats
