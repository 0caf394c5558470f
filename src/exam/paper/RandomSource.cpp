#include "exam/paper/RandomSource.h"

namespace velkora {

SeededRandom::SeededRandom() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    m_engine.seed(seed);
}

SeededRandom::SeededRandom(unsigned long long seed) : m_engine(seed) {}

int SeededRandom::below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

} // namespace velkora
