#include "platform/ApplicationTitle.h"

namespace swh {
namespace {

std::string& Title() {
    static std::string title;
    return title;
}

} // namespace

std::string DefaultApplicationTitle(const std::string& executableFileName) {
    std::string title = executableFileName.substr(0, executableFileName.find('.'));
    for (std::size_t i = 1; i < title.size(); ++i)
        if (title[i] >= 'A' && title[i] <= 'Z')
            title[i] = static_cast<char>(title[i] - 'A' + 'a');
    return title;
}

void SetApplicationTitle(const std::string& titleUtf8) {
    Title() = titleUtf8;
}

const std::string& ApplicationTitle() {
    return Title();
}

} // namespace swh
