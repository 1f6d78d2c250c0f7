#pragma once
// The faults a test arms in a simulated instrument: each meets the
// occurrence of its kind that follows `after` others, once.
#include <algorithm>
#include <vector>

template <typename Fault>
class FaultSchedule {
public:
    void Arm(Fault fault, int after) { fArmed.push_back({fault, after}); }
    // Whether this occurrence of the kind meets an armed fault (which is
    // then spent).
    bool Meets(Fault fault)
    {
        const auto found = std::find_if(fArmed.begin(), fArmed.end(), [fault](const Armed& a) { return a.fault == fault; });
        if (found == fArmed.end() || found->after-- > 0)
            return false;
        fArmed.erase(found);
        return true;
    }

private:
    struct Armed {
        Fault fault;
        int after;
    };
    std::vector<Armed> fArmed;
};
