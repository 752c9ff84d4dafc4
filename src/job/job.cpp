// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "job/job.h"

#include <nlohmann/json.hpp>

#include "job/job_words.h"

namespace arcwright {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "arcwright-job";

struct Named {
    std::string_view name;
    int value;
};
constexpr std::array kUnits{Named{"in", static_cast<int>(LengthUnit::Inch)},
                            Named{"mm", static_cast<int>(LengthUnit::Millimetre)}};
constexpr std::array kLeans{Named{"toward", static_cast<int>(BladeLean::TowardFence)},
                            Named{"away", static_cast<int>(BladeLean::AwayFromFence)}};

template <std::size_t N>
std::string_view nameOf(const std::array<Named, N>& names, int value) {
    for (const Named& n : names) {
        if (n.value == value) return n.name;
    }
    return names.front().name;
}

// The value named by a string member, the default when the member is missing, nothing when
// it is not one of the names.
template <std::size_t N>
std::optional<int> named(const Json& doc, const char* key, const std::array<Named, N>& names,
                         int missing) {
    const auto it = doc.find(key);
    if (it == doc.end()) return missing;
    if (!it->is_string()) return std::nullopt;
    for (const Named& n : names) {
        if (it->get_ref<const std::string&>() == n.name) return n.value;
    }
    return std::nullopt;
}

// Text a person could have typed into one box: UTF-8 (the parser has checked it), no control
// characters, not longer than any length.
const char* boxTextProblem(const std::string& text) {
    std::size_t characters = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            return ARCWRIGHT_TR_NOOP("Job",
                                     "A box in the job holds characters that cannot be typed.");
        if ((byte & 0xc0) != 0x80) ++characters;  // not a continuation byte
    }
    if (characters > kLongestBoxText)
        return ARCWRIGHT_TR_NOOP("Job", "A box in the job holds a text longer than any length.");
    return nullptr;
}

const char* readBoxes(const Json& doc, Job& job) {
    const auto boxes = doc.find("boxes");
    if (boxes == doc.end()) return nullptr;
    if (!boxes->is_object()) return ARCWRIGHT_TR_NOOP("Job", "The job's boxes are damaged.");
    for (const JobBoxKey& entry : kJobBoxKeys) {
        const auto it = boxes->find(entry.key);
        if (it == boxes->end()) continue;
        if (!it->is_string())
            return ARCWRIGHT_TR_NOOP("Job", "A box in the job holds something other than text.");
        const auto& text = it->get_ref<const std::string&>();
        if (const char* problem = boxTextProblem(text)) return problem;
        job.boxes[static_cast<std::size_t>(entry.box)] = text;
    }
    return nullptr;
}

JobRead refused(const char* problem) {
    return {std::nullopt, problem};
}

}  // namespace

std::string writeJob(const Job& job) {
    nlohmann::ordered_json boxes = nlohmann::ordered_json::object();
    for (const JobBoxKey& entry : kJobBoxKeys) {
        boxes[std::string(entry.key)] = job.boxes[static_cast<std::size_t>(entry.box)];
    }
    nlohmann::ordered_json doc;
    doc["format"] = kFormat;
    doc["version"] = kJobVersion;
    doc["boxes"] = std::move(boxes);
    doc["unit"] = nameOf(kUnits, static_cast<int>(job.unit));
    doc["lean"] = nameOf(kLeans, static_cast<int>(job.lean));
    doc["sawPass"] = job.sawPass;
    // A box holding broken UTF-8 is written with replacement characters rather than lost.
    return doc.dump(-1, ' ', false, Json::error_handler_t::replace);
}

JobRead readJob(std::string_view text) {
    if (text.size() > kLargestJob)
        return refused(ARCWRIGHT_TR_NOOP("Job", "The file is too large to be an Arcwright job."));
    // Numbers beyond a double (1e999) and NaN are not JSON, so they end here too.
    // The library's own document builder, without the filtering one that parse() also
    // brings along: the browser's module is smaller by two kilobytes.
    Json doc;
    nlohmann::detail::json_sax_dom_parser<Json> builder(doc, false);
    if (!Json::sax_parse(text, &builder)) doc = Json(Json::value_t::discarded);
    if (doc.is_discarded())
        return refused(ARCWRIGHT_TR_NOOP("Job", "The job's text is damaged or cut short."));
    const auto format = doc.is_object() ? doc.find("format") : doc.end();
    if (!doc.is_object() || format == doc.end() || !format->is_string() ||
        format->get_ref<const std::string&>() != kFormat)
        return refused(ARCWRIGHT_TR_NOOP("Job", "The file is not an Arcwright job."));
    const auto version = doc.find("version");
    if (version == doc.end() || !version->is_number_integer() || version->get<std::int64_t>() < 1)
        return refused(ARCWRIGHT_TR_NOOP("Job", "The job's version number is damaged."));
    if (version->get<std::int64_t>() > kJobVersion)
        return refused(ARCWRIGHT_TR_NOOP(
            "Job",
            "The job was saved by a newer version of Arcwright; update Arcwright to open it."));

    Job job;
    if (const char* problem = readBoxes(doc, job)) return refused(problem);
    const auto unit = named(doc, "unit", kUnits, static_cast<int>(job.unit));
    if (!unit)
        return refused(
            ARCWRIGHT_TR_NOOP("Job", "The job's unit is neither inches nor millimetres."));
    job.unit = static_cast<LengthUnit>(*unit);
    const auto lean = named(doc, "lean", kLeans, static_cast<int>(job.lean));
    if (!lean)
        return refused(ARCWRIGHT_TR_NOOP(
            "Job", "The job's blade lean is neither toward nor away from the fence."));
    job.lean = static_cast<BladeLean>(*lean);
    if (const auto pass = doc.find("sawPass"); pass != doc.end()) {
        if (!pass->is_number_integer() || pass->get<std::int64_t>() < 0 ||
            pass->get<std::int64_t>() > kMostSawPasses)
            return refused(
                ARCWRIGHT_TR_NOOP("Job", "The job's pass at the saw is not a pass number."));
        job.sawPass = static_cast<int>(pass->get<std::int64_t>());
    }
    return {std::move(job), nullptr};
}

}  // namespace arcwright
