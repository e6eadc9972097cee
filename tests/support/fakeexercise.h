// SPDX-License-Identifier: GPL-3.0-or-later
// An exercise screen reduced to its record, for the score screen's tests: the test sets whether it asks
// and its counts, so that any counts can be graded without answering as many problems.
#pragma once

#include "runtime/exerciserecord.h"
#include "runtime/registry.h"
#include "runtime/screen.h"

namespace abacolo::test {

class FakeExercise : public Screen, public ExerciseRecord {
public:
    FakeExercise(Registry& registry, ScreenId id) : Screen(registry, id, {"Prova", 6615, 5895, {}}) {}

    // Puts a fake exercise in the place of `id` of `registry`, before the screen is first referenced.
    static void replace(Registry& registry, ScreenId id) {
        registry.setFactory(id, [id](Registry& owner) { return std::make_unique<FakeExercise>(owner, id); });
    }

    int code() const override { return asking; }
    void resetCode() override { asking = notAsking; }
    long long rightCount() const override { return right; }
    long long wrongCount() const override { return wrong; }

    int asking = notAsking;
    long long right = 0;
    long long wrong = 0;

protected:
    void frameClosed() override {}
};

} // namespace abacolo::test
