#include "common/ports.h"

#include <ctime>

namespace corvella {

TimeOfDay clockTime() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return TimeOfDay{tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace corvella
