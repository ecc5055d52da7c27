#include "FuzzTargets.h"

#include <cstdio>
#include <cstdlib>

const std::vector<FuzzTarget>& fuzzTargets()
{
    static const std::vector<FuzzTarget> targets = {
        {"store_file", fuzzStoreFile},
        {"language_pack", fuzzLanguagePack},
        {"color_text", fuzzColorText},
        {"integer_text", fuzzIntegerText},
        {"bitmap", fuzzBitmap},
        {"avi_file", fuzzAviFile},
        {"credits", fuzzCredits},
        {"update_list", fuzzUpdateList},
        {"url_split", fuzzUrlSplit},
        {"pupil_list", fuzzPupilList},
        {"server_presses", fuzzServerPresses},
    };
    return targets;
}

void fuzzCheck(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
