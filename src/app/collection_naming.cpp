#include "app/collection_naming.h"

#include <algorithm>

namespace qm {

std::string collectionDisplayName(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    name.remove_suffix(std::min<std::size_t>(4, name.size()));
    return std::string(name);
}

std::string mainWindowCaption(std::string_view path)
{
    return std::string(kApplicationTitle) + " (" + collectionDisplayName(path) + ")";
}

}  // namespace qm
