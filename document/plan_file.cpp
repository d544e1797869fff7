#include "document/plan_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include <nlohmann/json.hpp>

#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr std::size_t material_values = 7;  // water %, mixing, gel, pourable, density, 1 h, 2 h
constexpr std::size_t flask_values = 2;     // diameter and height in mm
// A plan nests five levels deep; a later writer's optional keys get room, a file built to
// exhaust the reader does not.
constexpr std::size_t deepest_nesting = 64;

Message not_a_plan_message() {
    return core_text("PlanFile", "ce n'est pas un plan de coulée de Gypsomix");
}

// ---- Writing ----------------------------------------------------------------------------

OrderedJson choice_json(const std::optional<CatalogueChoice>& choice) {
    if (!choice) {
        return nullptr;
    }
    return {{"name", choice->name}, {"values", choice->values}};
}

OrderedJson optional_text_json(const std::optional<std::string>& text) {
    return text ? OrderedJson(*text) : OrderedJson(nullptr);
}

OrderedJson line_json(const DocumentLine& line) {
    return {{"flask", choice_json(line.flask)},
            {"diameter", line.diameter},
            {"height", line.height},
            {"unit", line.unit == LengthUnit::inch ? "in" : "mm"},
            {"count", line.count},
            {"tree_cm3", line.tree_cm3},
            {"pattern_g", line.pattern_g}};
}

OrderedJson metal_json(const std::optional<MetalChoice>& metal) {
    if (!metal) {
        return nullptr;
    }
    return {{"name", metal->name},
            {"density", metal->density},
            {"pattern_density", metal->pattern_density},
            {"extra_percent", metal->extra_percent},
            {"button_g", metal->button_g}};
}

OrderedJson burnout_json(const std::optional<Burnout>& burnout) {
    if (!burnout) {
        return nullptr;
    }
    OrderedJson programme = nullptr;
    if (burnout->programme) {
        OrderedJson steps = OrderedJson::array();
        for (const BurnoutStep& step : burnout->programme->steps) {
            steps.push_back({{"target", step.target}, {"rate", step.rate}, {"hold", step.hold}});
        }
        programme = {{"name", burnout->programme->name}, {"steps", std::move(steps)}};
    }
    return {{"programme", std::move(programme)},
            {"start_temperature", burnout->start_temperature},
            {"bench_rest_min", burnout->bench_rest_min},
            {"cast_at", burnout->cast_at},
            {"oven_started_at", optional_text_json(burnout->oven_started_at)}};
}

// ---- Reading ----------------------------------------------------------------------------

[[noreturn]] void refuse(PlanFileFault fault, Message message) {
    throw PlanFileError(fault, std::move(message));
}

std::string decimal(std::size_t number) {
    char text[24];
    return {text, std::to_chars(text, text + sizeof text, number).ptr};
}

// The first byte of the UTF-8 sequence left unfinished at `at`, if one is: the parser finds a
// sequence cut short at the byte after it, but the caster looks for the bad character.
std::size_t sequence_start(std::string_view bytes, std::size_t at) {
    for (std::size_t back = 0; back < 4 && back <= at; ++back) {
        const auto byte =
            static_cast<unsigned char>(at - back < bytes.size() ? bytes[at - back] : 0);
        if ((byte & 0xC0) == 0xC0) {
            const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            return length > back ? at - back : at;
        }
        if ((byte & 0xC0) != 0x80 && back > 0) {
            break;
        }
    }
    return at;
}

// Where a fault lies, as a caster finds it in a text editor: line and column from 1, the column
// in characters rather than bytes. `position` is the parser's, the 1-based index of the byte it
// stopped at.
Message place(std::string_view bytes, std::size_t position) {
    const std::size_t at =
        sequence_start(bytes, std::min(position == 0 ? 0 : position - 1, bytes.size()));
    std::size_t line = 1;
    std::size_t line_start =
        bytes.starts_with("\xEF\xBB\xBF") && at >= 3 ? 3 : 0;  // editors hide it
    for (std::size_t i = 0; i < at; ++i) {
        if (bytes[i] == '\n') {
            ++line;
            line_start = i + 1;
        }
    }
    std::size_t column = 1;
    for (std::size_t i = line_start; i < at; ++i) {
        column += (static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80 ? 1 : 0;
    }
    return core_text("PlanFile", "ligne %1, colonne %2")
        .with({value_text(decimal(line)), value_text(decimal(column))});
}

// The first pass: JSON syntax, UTF-8 and nesting, without building anything. nlohmann's parser
// keeps its own stack on the heap, but the values it builds would still nest without end.
class SyntaxCheck final : public Json::json_sax_t {
  public:
    explicit SyntaxCheck(std::string_view bytes) : bytes_(bytes) {}

    void run() {
        if (Json::sax_parse(bytes_.begin(), bytes_.end(), this)) {
            return;
        }
        if (too_deep_) {
            refuse(PlanFileFault::not_a_plan,
                   core_text("PlanFile", "%1 (valeurs imbriquées sur plus de %2 niveaux)")
                       .with({not_a_plan_message(), value_text(decimal(deepest_nesting))}));
        }
        // nlohmann refuses a number beyond the double range (406) as it refuses bad syntax.
        refuse(PlanFileFault::not_json,
               (error_id_ == 406
                    ? core_text("PlanFile", "un nombre y dépasse les limites d'un nombre réel (%1)")
                    : core_text("PlanFile", "ce n'est pas du JSON valide (%1)"))
                   .with({place(bytes_, error_position_)}));
    }

    bool null() override { return true; }
    bool boolean(bool /*value*/) override { return true; }
    bool number_integer(number_integer_t /*value*/) override { return true; }
    bool number_unsigned(number_unsigned_t /*value*/) override { return true; }
    bool number_float(number_float_t /*value*/, const string_t& /*text*/) override { return true; }
    bool string(string_t& /*value*/) override { return true; }
    bool binary(binary_t& /*value*/) override { return true; }
    bool key(string_t& /*value*/) override { return true; }
    bool start_object(std::size_t /*elements*/) override { return enter(); }
    bool start_array(std::size_t /*elements*/) override { return enter(); }
    bool end_object() override { return leave(); }
    bool end_array() override { return leave(); }
    bool parse_error(std::size_t position, const std::string& /*last_token*/,
                     const Json::exception& error) override {
        error_position_ = position;
        error_id_ = error.id;
        return false;
    }

  private:
    bool enter() {
        too_deep_ = ++depth_ > deepest_nesting;
        return !too_deep_;
    }
    bool leave() {
        --depth_;
        return true;
    }

    std::string_view bytes_;
    std::size_t depth_ = 0;
    bool too_deep_ = false;
    std::size_t error_position_ = 0;
    int error_id_ = 0;
};

// Key paths as a caster finds them in the file: "lines[2].flask.values", items counted from 1.
std::string child(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string item(const std::string& path, std::size_t index) {
    return path + "[" + decimal(index + 1) + "]";
}

[[noreturn]] void wrong_kind(const std::string& path, Message what) {
    refuse(PlanFileFault::wrong_kind,
           core_text("PlanFile", "« %1 » doit %2").with({value_text(path), std::move(what)}));
}

const Json* member(const Json& object, std::string_view key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

// JSON makes no difference between 5 and 5.0 and a writer working in doubles may put the
// point, so an exactly whole 5.0 or 5E0 counts as 5 (and -0 as 0); 3.5, "3" and true do not.
std::optional<double> whole_number(const Json& value) {
    if (!value.is_number()) {
        return std::nullopt;
    }
    const auto number = value.get<double>();
    return std::trunc(number) == number ? std::optional(number) : std::nullopt;
}

int whole_in(const Json& value, int low, int high, const std::string& path, Message what) {
    const std::optional<double> number = whole_number(value);
    if (!number || *number < low || *number > high) {
        wrong_kind(path, std::move(what));
    }
    return static_cast<int>(*number);
}

std::string text_of(const Json& value, const std::string& path) {
    if (!value.is_string()) {
        wrong_kind(path, core_text("PlanFile", "être un texte"));
    }
    return value.get<std::string>();
}

// A missing key keeps `out` as it is, the value a new plan has.
void read_text(const Json& object, std::string_view key, const std::string& path,
               std::string& out) {
    if (const Json* value = member(object, key)) {
        out = text_of(*value, child(path, key));
    }
}

std::optional<std::string> optional_text(const Json& object, std::string_view key,
                                         const std::string& path) {
    const Json* value = member(object, key);
    if (value == nullptr || value->is_null()) {
        return std::nullopt;
    }
    if (!value->is_string()) {
        wrong_kind(child(path, key), core_text("PlanFile", "être un texte ou null"));
    }
    return value->get<std::string>();
}

// The object under `key`; none when it is missing or null.
const Json* optional_object(const Json& object, std::string_view key, const std::string& path) {
    const Json* value = member(object, key);
    if (value == nullptr || value->is_null()) {
        return nullptr;
    }
    if (!value->is_object()) {
        wrong_kind(child(path, key), core_text("PlanFile", "être un objet ou null"));
    }
    return value;
}

std::optional<CatalogueChoice> read_choice(const Json& object, std::string_view key,
                                           const std::string& path, std::size_t values) {
    const Json* json = optional_object(object, key, path);
    if (json == nullptr) {
        return std::nullopt;
    }
    const std::string here = child(path, key);
    CatalogueChoice choice;
    read_text(*json, "name", here, choice.name);
    choice.values.resize(values);
    if (const Json* list = member(*json, "values")) {
        const std::string list_path = child(here, "values");
        if (!list->is_array() || list->size() != values ||
            !std::all_of(list->begin(), list->end(), [](const Json& v) { return v.is_string(); })) {
            wrong_kind(list_path, core_text("PlanFile", "être une liste de %1 textes")
                                      .with({value_text(decimal(values))}));
        }
        for (std::size_t i = 0; i < values; ++i) {
            choice.values[i] = (*list)[i].get<std::string>();
        }
    }
    return choice;
}

DocumentLine read_line(const Json& json, const std::string& path) {
    if (!json.is_object()) {
        wrong_kind(path, core_text("PlanFile", "être un objet"));
    }
    DocumentLine line;
    line.flask = read_choice(json, "flask", path, flask_values);
    read_text(json, "diameter", path, line.diameter);
    read_text(json, "height", path, line.height);
    if (const Json* unit = member(json, "unit")) {
        if (*unit != "mm" && *unit != "in") {
            wrong_kind(child(path, "unit"), core_text("PlanFile", "valoir « mm » ou « in »"));
        }
        line.unit = *unit == "in" ? LengthUnit::inch : LengthUnit::millimetre;
    }
    if (const Json* count = member(json, "count")) {
        line.count = whole_in(*count, 1, plan_max_count, child(path, "count"),
                              core_text("PlanFile", "être un nombre entier de 1 à %1")
                                  .with({value_text(decimal(plan_max_count))}));
    }
    read_text(json, "tree_cm3", path, line.tree_cm3);
    read_text(json, "pattern_g", path, line.pattern_g);
    return line;
}

std::vector<DocumentLine> read_lines(const Json& root) {
    const Json* lines = member(root, "lines");
    if (lines == nullptr) {
        refuse(PlanFileFault::wrong_kind,
               core_text("PlanFile", "il y manque « lines », la liste des cylindres"));
    }
    if (!lines->is_array() || lines->empty() || lines->size() > std::size_t(plan_max_lines)) {
        wrong_kind("lines", core_text("PlanFile", "être une liste de 1 à %1 lignes")
                                .with({value_text(decimal(plan_max_lines))}));
    }
    std::vector<DocumentLine> read;
    read.reserve(lines->size());
    for (std::size_t i = 0; i < lines->size(); ++i) {
        read.push_back(read_line((*lines)[i], item("lines", i)));
    }
    return read;
}

std::optional<MetalChoice> read_metal(const Json& root) {
    const Json* json = optional_object(root, "metal", "");
    if (json == nullptr) {
        return std::nullopt;
    }
    MetalChoice metal;
    read_text(*json, "name", "metal", metal.name);
    read_text(*json, "density", "metal", metal.density);
    read_text(*json, "pattern_density", "metal", metal.pattern_density);
    read_text(*json, "extra_percent", "metal", metal.extra_percent);
    read_text(*json, "button_g", "metal", metal.button_g);
    return metal;
}

Prices read_prices(const Json& root) {
    Prices prices;
    if (const Json* json = member(root, "prices")) {
        if (!json->is_object()) {
            wrong_kind("prices", core_text("PlanFile", "être un objet"));
        }
        read_text(*json, "powder_per_kg", "prices", prices.powder_per_kg);
        read_text(*json, "metal_per_g", "prices", prices.metal_per_g);
    }
    return prices;
}

std::optional<BurnoutProgramme> read_programme(const Json& burnout) {
    const std::string path = "burnout.programme";
    const Json* json = optional_object(burnout, "programme", "burnout");
    if (json == nullptr) {
        return std::nullopt;
    }
    BurnoutProgramme programme;
    read_text(*json, "name", path, programme.name);
    if (const Json* steps = member(*json, "steps")) {
        if (!steps->is_array()) {
            wrong_kind(child(path, "steps"), core_text("PlanFile", "être une liste"));
        }
        for (std::size_t i = 0; i < steps->size(); ++i) {
            const std::string step_path = item(child(path, "steps"), i);
            const Json& step_json = (*steps)[i];
            if (!step_json.is_object()) {
                wrong_kind(step_path, core_text("PlanFile", "être un objet"));
            }
            BurnoutStep step;
            read_text(step_json, "target", step_path, step.target);
            read_text(step_json, "rate", step_path, step.rate);
            read_text(step_json, "hold", step_path, step.hold);
            programme.steps.push_back(std::move(step));
        }
    }
    return programme;
}

std::optional<Burnout> read_burnout(const Json& root) {
    const Json* json = optional_object(root, "burnout", "");
    if (json == nullptr) {
        return std::nullopt;
    }
    Burnout burnout;
    burnout.programme = read_programme(*json);
    read_text(*json, "start_temperature", "burnout", burnout.start_temperature);
    read_text(*json, "bench_rest_min", "burnout", burnout.bench_rest_min);
    read_text(*json, "cast_at", "burnout", burnout.cast_at);
    burnout.oven_started_at = optional_text(*json, "oven_started_at", "burnout");
    return burnout;
}

// The format and its version come first: a later version may lay out everything else anew.
void check_version(const Json& root) {
    const Json* format = root.is_object() ? member(root, "format") : nullptr;
    if (format == nullptr || *format != plan_file_format) {
        refuse(PlanFileFault::not_a_plan, not_a_plan_message());
    }
    const Json* version = member(root, "version");
    const std::optional<double> number = version ? whole_number(*version) : std::nullopt;
    if (!number || *number < 1) {
        refuse(PlanFileFault::not_a_plan, not_a_plan_message());
    }
    if (*number > plan_file_version) {
        refuse(PlanFileFault::newer_version,
               core_text("PlanFile",
                         "il a été écrit par une version plus récente de Gypsomix (format %1) ; "
                         "mettez Gypsomix à jour pour l'ouvrir")
                   .with({value_text(general_format(*number, 15, "."))}));
    }
}

}  // namespace

std::string write_plan_file(const PlanDocument& plan) {
    OrderedJson lines = OrderedJson::array();
    for (const DocumentLine& line : plan.lines) {
        lines.push_back(line_json(line));
    }
    const OrderedJson json = {
        {"format", plan_file_format},
        {"version", plan_file_version},
        {"material", choice_json(plan.material)},
        {"water_percent", plan.water_percent},
        {"margin", plan.margin},
        {"special_liquid_percent", optional_text_json(plan.special_liquid_percent)},
        {"lines", std::move(lines)},
        {"metal", metal_json(plan.metal)},
        {"prices",
         {{"powder_per_kg", plan.prices.powder_per_kg}, {"metal_per_g", plan.prices.metal_per_g}}},
        {"burnout", burnout_json(plan.burnout)},
        {"notes", plan.notes},
    };
    // Texts from the window are UTF-8; should one not be, a save still succeeds, with U+FFFD.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

PlanDocument read_plan_file(std::string_view bytes) {
    if (bytes.size() > plan_file_max_bytes) {
        refuse(PlanFileFault::too_large, core_text("PlanFile", "il dépasse 1 Mio"));
    }
    SyntaxCheck(bytes).run();
    const Json root = Json::parse(bytes.begin(), bytes.end());
    check_version(root);

    PlanDocument plan;
    plan.material = read_choice(root, "material", "", material_values);
    read_text(root, "water_percent", "", plan.water_percent);
    if (const Json* margin = member(root, "margin")) {
        plan.margin =
            whole_in(*margin, 0, 10, "margin", core_text("PlanFile", "valoir 0, 5 ou 10"));
        if (plan.margin % 5 != 0) {
            wrong_kind("margin", core_text("PlanFile", "valoir 0, 5 ou 10"));
        }
    }
    plan.special_liquid_percent = optional_text(root, "special_liquid_percent", "");
    plan.lines = read_lines(root);
    plan.metal = read_metal(root);
    plan.prices = read_prices(root);
    plan.burnout = read_burnout(root);
    read_text(root, "notes", "", plan.notes);
    return plan;
}

}  // namespace gypsomix
