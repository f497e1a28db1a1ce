// The player's start-up and first slides on the headless backend, on any package: one input is
// split at "\n#####\n" into pb.dat, ms.dat, kg.ini and timu.dat, in that order (a piece left out
// is a file left out). Three pictures lie in the folder: "a.jpg", "b.jpg" and the larger-than-
// the-screen "big.jpg"; "text.jpg" is a file that is no picture. Whatever the lists hold, the
// show either runs until the time is up or ends with a report naming a path in its folder, its
// window gone; it never crashes and never ends on its own.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/headless/headless_runtime.h"
#include "tests/player/player_harness.h"

namespace {

using glint::platform::headless::RunResult;

constexpr std::string_view kSeparator = "\n#####\n";
constexpr const char* kLists[] = {"pb.dat", "ms.dat", "kg.ini", "timu.dat"};

void check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    glint::testing::PlayerHarness h(32, 24);
    h.addPicture("a.jpg", glint::testing::gridPicture(5, 3));
    h.addPicture("b.jpg", glint::testing::solidPicture(1, 1, 7));
    h.addPicture("big.jpg", glint::testing::gridPicture(40, 30));
    h.folder.write("text.jpg", "no picture");
    for (const char* list : kLists) {
        if (input.data() == nullptr) break;
        const std::size_t end = input.find(kSeparator);
        h.folder.write(list, std::string(input.substr(0, end)));
        input = end == std::string_view::npos ? std::string_view()
                                              : input.substr(end + kSeparator.size());
    }
    const RunResult result = h.run(6'000);
    check(result.end != RunResult::End::Ended);
    if (result.end == RunResult::End::Error) {
        check(result.status == 1 && !result.windowShown);
        check(result.errorReport.find(h.folder.path() + "/") != std::string::npos);
    }
    return 0;
}
