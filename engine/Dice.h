#pragma once
// The one source of dice. The application draws from a seeded 64-bit
// generator; tests and the driver queue chosen results, which are taken
// first, in order, without advancing the generator.

#include <cstdint>
#include <deque>
#include <random>

class Dice {
public:
    explicit Dice(std::uint64_t seed = std::random_device{}()) : generator_(seed) {}

    void reseed(std::uint64_t seed) { generator_.seed(seed); }
    // Queues a result (1 to 6) for a later draw.
    void queue(int face) { queued_.push_back(face); }
    std::size_t queued() const { return queued_.size(); }
    void clearQueue() { queued_.clear(); }

    // One die, 1 to 6, each face equally likely.
    int roll();

private:
    std::mt19937_64 generator_;
    std::deque<int> queued_;
};
