#pragma once
// Batch generation: plays whole characters as a random player would, from
// "Roll" to the final page, on the real handlers.

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class Main;

struct AutoOptions {
    std::uint64_t seed = 1;
    int count = 1;
    QString outDir; // where each character is saved; empty saves nothing
    bool pdf = false;
    bool quiet = false;   // no summary lines
    bool durable = false; // flush every commit, as the application does
    // Called with each finished character, before the next is rolled.
    std::function<void(Main&, int index, std::uint64_t seed)> inspect;
    // Called with the time of each press of "Roll" or Continue, by the page
    // it was pressed on.
    std::function<void(int page, const QString& button, double ms)> timeAction;
};

// Plays the characters and prints one summary line each. Returns an error
// (naming the character's seed) when a character cannot be finished.
std::optional<QString> playAuto(const QString& resources, const QString& chardata, const AutoOptions& options);
