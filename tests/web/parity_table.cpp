// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the parity table: generated set-ups, each a list of what a woodworker does in the
// calculator and the planner, with what the native build shows after it. parity.js plays
// the same set-ups through the WebAssembly module and compares the texts byte for byte.
//
//   web_parity_table FILE [COUNT]
//   web_parity_table --play     one set-up's actions per line on stdin, its states out
//
// One JSON line per set-up: {"actions": [...], "calculator": STATE, "planner": STATE, "saw":
// STATE}, the states being the JSON texts of the three objects' state(); a planner's set-up
// adds its board end and the saw's drawing as SVG ("boardEnd", "sawDrawing"), and every
// fourth one its printed pages ("pages", on Letter or A4 by turns).

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "web/web_calculator.h"
#include "web/web_planner.h"
#include "web/web_saw.h"

namespace {

using Json = nlohmann::json;
using arcwright::web::WebCalculator;
using arcwright::web::WebPlanner;
using arcwright::web::WebSaw;

// Plays one action; the same table of actions as parity.js plays.
void play(const Json& action, WebCalculator& calculator, WebPlanner& planner, WebSaw& saw) {
    const std::string what = action.at(0);
    if (what == "calc.type") {
        calculator.type(action.at(1).get<std::string>(), action.at(2));
    } else if (what == "calc.focus") {
        calculator.focus(action.at(1).get<std::string>(), action.at(2));
    } else if (what == "calc.bar") {
        calculator.moveAngleBar(action.at(1));
    } else if (what == "calc.target") {
        calculator.chooseTarget(action.at(1).get<std::string>());
    } else if (what == "calc.resolution") {
        calculator.chooseResolution(action.at(1));
    } else if (what == "calc.step") {
        calculator.step(action.at(1), action.at(2));
    } else if (what == "calc.ok") {
        calculator.dismissSafetyNote();
    } else if (what == "calc.iso") {
        calculator.clickIsoView();
    } else if (what == "plan.type") {
        planner.type(action.at(1).get<std::string>(), action.at(2));
    } else if (what == "plan.unit") {
        planner.chooseUnit(action.at(1).get<std::string>());
    } else if (what == "plan.lean") {
        planner.chooseLean(action.at(1).get<std::string>());
    } else if (what == "plan.take") {
        planner.takeSetup(calculator);
    } else if (what == "saw.follow") {
        saw.follow(planner);
    } else if (what == "saw.next") {
        saw.next();
    } else if (what == "saw.back") {
        saw.back();
    } else if (what == "saw.last") {
        saw.last();
    } else if (what == "plan.job") {
        // Kept and opened again, as a link or a file does.
        const std::string problem = planner.openJob(planner.jobText(action.at(1)));
        if (!problem.empty()) throw std::runtime_error(problem);
    }
}

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    Json setup(int index) {
        Json actions = Json::array();
        if (index % 2 == 0) {
            calculatorActions(actions);
        } else {
            plannerActions(actions);
        }
        return actions;
    }

  private:
    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    template <class T>
    const T& pick(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
    }
    // A decimal with up to `places` places between 0 and `most`.
    std::string decimal(double most, int places) {
        const double v = most * static_cast<double>(random_() % 1'000'000) / 1e6;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*f", places, v);
        return buf;
    }
    std::string length(double most) {
        switch (below(6)) {
            case 0:
                return pick(kFractions);
            case 1:
                return std::to_string(below(static_cast<int>(most) + 1)) + " " + pick(kFractions);
            case 2:
                return decimal(most, 4);
            case 3:
                return decimal(most, 1);
            case 4:
                return pick(kOdd);
            default:
                return decimal(most, 3);
        }
    }
    // Typed key by key: every prefix is a change of the box.
    static void typeKeys(Json& actions, const char* kind, const std::string& box,
                         const std::string& text) {
        actions.push_back({kind, box, ""});
        for (std::size_t n = 1; n <= text.size(); ++n) {
            actions.push_back({kind, box, text.substr(0, n)});
        }
    }

    void calculatorActions(Json& actions) {
        if (below(4) != 0) actions.push_back({"calc.ok"});
        const std::vector<std::string> boxes{"bladeHeight", "angle", "boardThickness",
                                             "boardWidth"};
        for (int n = 1 + below(4); n > 0; --n) {
            const std::string box = pick(boxes);
            const std::string text = box == "angle"  ? decimal(90, below(3))
                                     : below(5) == 0 ? pick(kOdd)
                                                     : decimal(box == "boardWidth" ? 8 : 2, 3);
            if (below(2) == 0) {
                typeKeys(actions, "calc.type", box, text);
            } else {
                actions.push_back({"calc.type", box, text});  // pasted
            }
        }
        if (below(3) == 0) actions.push_back({"calc.target", pick(kTargets)});
        if (below(3) == 0) actions.push_back({"calc.resolution", below(2) == 0 ? 16 : 32});
        for (int n = below(5); n > 0; --n) {
            actions.push_back({"calc.step", pick(kSteps), below(2) == 0});
        }
        if (below(4) == 0) actions.push_back({"calc.focus", "angle", true});
        if (below(4) == 0) actions.push_back({"calc.bar", 1 + below(89)});
        if (below(4) == 0) actions.push_back({"calc.focus", "angle", false});
        if (below(6) == 0) actions.push_back({"calc.iso"});
    }

    void plannerActions(Json& actions) {
        if (below(3) == 0) {
            actions.push_back({"calc.type", "angle", decimal(80, 1)});
            actions.push_back({"plan.take"});
        }
        const bool mm = below(3) == 0;
        if (mm) actions.push_back({"plan.unit", "mm"});
        const double scale = mm ? 25.4 : 1.0;
        const std::vector<std::pair<std::string, double>> boxes{
            {"coveWidth", 4},      {"coveDepth", 1.5},    {"boardWidth", 8},
            {"boardThickness", 2}, {"bladeDiameter", 12}, {"kerf", 0.2},
            {"passDepth", 0.25},   {"coveOffset", 3},     {"maxHeight", 4}};
        for (const auto& [box, most] : boxes) {
            if (below(4) == 0) continue;
            std::string text = mm ? decimal(most * scale, below(3)) : length(most);
            if (mm && below(4) == 0) {
                const auto point = text.find('.');
                if (point != std::string::npos) text[point] = ',';  // a decimal comma
            }
            actions.push_back({"plan.type", box, text});
        }
        if (below(3) == 0) actions.push_back({"plan.type", "tilt", decimal(45, below(2))});
        if (below(2) == 0) actions.push_back({"plan.lean", "awayFromFence"});
        if (below(3) == 0) actions.push_back({"plan.unit", mm ? "in" : "mm"});
        if (below(4) == 0) actions.push_back({"plan.job", below(20)});
        actions.push_back({"saw.follow"});
        for (int n = below(6); n > 0; --n) {
            actions.push_back({below(4) == 0 ? "saw.back" : "saw.next"});
        }
        if (below(8) == 0) actions.push_back({"saw.last"});
    }

    const std::vector<std::string> kFractions{"1/2",  "3/4", "5/8",   "1/16",
                                              "3/32", "7/8", "15/16", "1/8"};
    const std::vector<std::string> kOdd{"",  "-3", "abc", "1.2.3",  "3/4/5", "1/0",     "1e999",
                                        "0", ".",  "2,5", "1e-400", "&H1F",  "99999999"};
    const std::vector<std::string> kTargets{"boardWidth", "boardThickness", "bladeHeight"};
    const std::vector<double> kSteps{0.25, 0.125, 0.0625, 0.03125};
    std::mt19937 random_;
};

}  // namespace

// For the page's tests: each line of stdin a JSON list of actions, each line out the states
// after them, as the table holds them.
int playLines() {
    std::string line;
    while (std::getline(std::cin, line)) {
        WebCalculator calculator;
        WebPlanner planner;
        WebSaw saw;
        for (const Json& action : Json::parse(line)) play(action, calculator, planner, saw);
        std::cout << Json{{"calculator", calculator.state()},
                          {"planner", planner.state()},
                          {"saw", saw.state()}}
                         .dump()
                  << std::endl;
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--play") return playLines();
    if (argc < 2) {
        std::fprintf(stderr, "usage: web_parity_table FILE [COUNT]\n");
        return 2;
    }
    const int count = argc > 2 ? std::atoi(argv[2]) : 1200;
    std::ofstream out(argv[1]);
    // Printable areas in points: Letter and A4 less half an inch all round.
    constexpr double kPapers[2][2] = {{540, 720}, {559.28, 805.89}};
    Generator generator(20261210);
    for (int i = 0; i < count; ++i) {
        const Json actions = generator.setup(i);
        WebCalculator calculator;
        WebPlanner planner;
        WebSaw saw;
        for (const Json& action : actions) play(action, calculator, planner, saw);
        Json row = {{"actions", actions},
                    {"calculator", calculator.state()},
                    {"planner", planner.state()},
                    {"saw", saw.state()}};
        if (i % 2 == 1) {
            row["boardEnd"] = planner.boardEndSvg(320, 160);
            row["sawDrawing"] = saw.drawingSvg(480, 240);
        }
        if (i % 8 == 1) {
            const double* paper = kPapers[(i / 8) % 2];
            row["pages"] = planner.pages(paper[0], paper[1]);
        }
        out << row.dump() << '\n';
    }
    return out ? 0 : 1;
}
