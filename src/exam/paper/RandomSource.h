#pragma once

#include <random>

namespace velkora {

// Where the paper draw gets its chance from: a uniform whole number in
// [0, n). Tests put in a seeded or scripted source to get exact papers.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // n is at least 1.
    virtual int below(int n) = 0;
};

// The program's source: one engine, seeded once (from the system's random
// device unless a seed is given), never reseeded between draws.
class SeededRandom : public RandomSource {
public:
    SeededRandom();
    explicit SeededRandom(unsigned long long seed);

    int below(int n) override;

private:
    std::mt19937_64 m_engine;
};

} // namespace velkora
