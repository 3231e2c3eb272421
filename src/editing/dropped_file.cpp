#include "editing/dropped_file.h"

#include <cctype>

DroppedFile SplitDroppedPath(const std::string& path) {
    DroppedFile file{path, path, path};
    const auto slash = path.rfind('\\');
    if (slash != std::string::npos) {
        file.directory = path.substr(0, slash);
        file.description = path.substr(slash + 1);
    }
    std::string& name = file.description;
    const auto dot = name.find('.');
    if (dot == std::string::npos) return file;
    name.erase(dot);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return file;
}
