#include "calc/number_text.h"

#include <cmath>

#include "calc/checked_steps.h"
#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

bool is_space_group(std::string_view group) {
    return group == " " || group == "\u00A0" || group == "\u202F";
}

[[noreturn]] void not_a_number(std::string_view text) {
    if (detail::is_blank(text)) {
        throw RunTimeError(
            ErrorNumber::type_mismatch,
            core_text("RunTimeError", "Type incompatible : un champ vide n'est pas un nombre."));
    }
    throw RunTimeError(ErrorNumber::type_mismatch,
                       core_text("RunTimeError", "Type incompatible : %1 n'est pas un nombre.")
                           .with({detail::quoted(text)}));
}

}  // namespace

std::string value_to_text(const FieldValue& value, const NumberFormat& format) {
    if (const auto* number = std::get_if<double>(&value)) {
        return general_format(*number, 15, format.decimal);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return {};
}

std::string single_to_text(float value, const NumberFormat& format) {
    return general_format(value, 7, format.decimal);
}

float integer_part(float value) {
    return std::floor(value);
}

NumberSyntax strict_number_syntax(const NumberFormat& format) {
    NumberSyntax syntax;
    syntax.decimal = format.decimal;
    // A point is a decimal separator too, unless it groups digits in this format.
    syntax.point_too = format.decimal != "." && format.group != ".";
    syntax.group = format.group;
    syntax.any_space_groups = is_space_group(format.group);
    syntax.blanks = NumberSyntax::Blanks::around;
    return syntax;
}

double text_to_number(std::string_view text, const NumberFormat& format) {
    const NumberScan scan = scan_number(text, strict_number_syntax(format));
    if (scan.stop == NumberStop::out_of_range) {
        throw RunTimeError(ErrorNumber::overflow,
                           core_text("RunTimeError",
                                     "Dépassement de capacité : %1 dépasse les limites d'un "
                                     "nombre réel.")
                               .with({detail::quoted(text)}));
    }
    if (scan.stop != NumberStop::complete) {
        not_a_number(text);
    }
    return scan.value;
}

double text_leading_number(std::string_view text) {
    // A point only, no grouping; whatever cannot continue the number ends it. A number too
    // large for a double saturates: this reading never fails.
    NumberSyntax syntax;
    syntax.trailing_text = true;
    syntax.blanks = NumberSyntax::Blanks::anywhere;
    return scan_number(text, syntax).value;
}

}  // namespace gypsomix
