#pragma once

namespace velkora {

class BankWriter;

struct SyntheticBankSize {
    int parts = 2;
    int sectionsPerPart = 3;
    int chaptersPerSection = 2;
    int questionsPerChapter = 200;
};

// Fills a bank with made-up content of every question type, for scale tests
// and benchmarks: each chapter cycles through single and multiple choice
// groups, case groups of four questions and shared-option groups of three.
void writeSyntheticBank(BankWriter &writer, const SyntheticBankSize &size);

} // namespace velkora
