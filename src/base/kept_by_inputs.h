// A value worked out from some inputs and kept with the bytes of those
// inputs, so that the next call with the same bytes takes it over instead
// of working it out again (the connection's values that every load case
// asks for anew). Inputs compare as bytes: a difference in bytes that mean
// nothing (padding, -0 and 0) works the value out again, never the other
// way round. A few slots: one per position of the caller, or taken in turn.
// What a value was worked out from beyond its inputs (the profile files a
// catalogue profile's outline is read from) may change as a whole:
// Forget_Kept_Inputs makes every value kept before it be worked out afresh.
#ifndef BASE_KEPT_BY_INPUTS_H
#define BASE_KEPT_BY_INPUTS_H

#include <array>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <vector>

// The values kept so far are worked out afresh at their next call (the
// profile manager rewrote a profile file). Never fails.
void Forget_Kept_Inputs(void);
// How often Forget_Kept_Inputs was called in the process: kept values
// hold for this count only.
unsigned long Kept_Inputs_Generation(void);

// count values from `values` on, as one input (an array, the used part of
// one).
template <class T>
struct Input_Array {
    const T* values;
    std::size_t count;
};
template <class T>
Input_Array<T> Inputs_Of(const T* values, std::size_t count) {
    return {values, count};
}

template <class Value, int Slots = 1>
class Kept_By_Inputs {
  public:
    // The value of `slot`: kept with inputs of these bytes (*fresh false),
    // else the slot takes them as its key and *fresh says that its value is
    // to be worked out afresh by the caller.
    template <class... Inputs>
    Value& At(int slot, bool* fresh, const Inputs&... inputs) {
        *fresh = !Holds(slot, inputs...);
        if (*fresh) Keep(slot, inputs...);
        return slots_[static_cast<std::size_t>(slot)].value;
    }
    // The value of the slot kept with inputs of these bytes (*fresh false);
    // else the next slot in turn takes them, as At does.
    template <class... Inputs>
    Value& Take(bool* fresh, const Inputs&... inputs) {
        int slot = 0;
        while (slot < Slots && !Holds(slot, inputs...)) ++slot;
        if (slot == Slots) {
            slot = next_;
            next_ = (next_ + 1) % Slots;
        }
        return At(slot, fresh, inputs...);
    }

  private:
    template <class... Inputs>
    bool Holds(int slot, const Inputs&... inputs) const {
        const Slot& s = slots_[static_cast<std::size_t>(slot)];
        if (!s.valid || s.generation != Kept_Inputs_Generation() || s.key.size() != (Size(inputs) + ... + 0))
            return false;
        std::size_t at = 0;
        return (Same(s.key, at, inputs) && ...);
    }
    template <class... Inputs>
    void Keep(int slot, const Inputs&... inputs) {
        Slot& s = slots_[static_cast<std::size_t>(slot)];
        s.key.clear();
        (Append(s.key, inputs), ...);
        s.valid = true;
        s.generation = Kept_Inputs_Generation();
    }
    struct Slot {
        bool valid = false;
        unsigned long generation = 0;
        std::vector<unsigned char> key;
        Value value{};
    };
    template <class T>
    static const void* Bytes(const T& input) {
        static_assert(std::is_trivially_copyable_v<T>, "an input is compared by its bytes");
        return &input;
    }
    template <class T>
    static const void* Bytes(const Input_Array<T>& input) {
        static_assert(std::is_trivially_copyable_v<T>, "an input is compared by its bytes");
        return input.values;
    }
    template <class T>
    static std::size_t Size(const T&) {
        return sizeof(T);
    }
    template <class T>
    static std::size_t Size(const Input_Array<T>& input) {
        return input.count * sizeof(T);
    }
    template <class T>
    static bool Same(const std::vector<unsigned char>& key, std::size_t& at, const T& input) {
        const std::size_t n = Size(input);
        const bool same = n == 0 || std::memcmp(key.data() + at, Bytes(input), n) == 0;
        at += n;
        return same;
    }
    template <class T>
    static void Append(std::vector<unsigned char>& key, const T& input) {
        const std::size_t at = key.size(), n = Size(input);
        key.resize(at + n);
        if (n > 0) std::memcpy(key.data() + at, Bytes(input), n);
    }

    std::array<Slot, Slots> slots_{};
    int next_ = 0;
};

#endif
