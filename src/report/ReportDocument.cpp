#include "report/ReportDocument.h"

#include <algorithm>

namespace kelvora::report {

namespace {

template <typename T>
int indexOf(std::vector<T>& list, const T& value)
{
    // Styles come from the objects of one template: a handful, so a linear look-up from
    // the most recent end is quicker than hashing.
    for (int i = int(list.size()) - 1; i >= 0; --i) {
        if (list[size_t(i)] == value)
            return i;
    }
    list.push_back(value);
    return int(list.size()) - 1;
}

} // namespace

int ReportDocument::addTextStyle(const TextStyle& style)
{
    return indexOf(textStyles, style);
}

int ReportDocument::addShapeStyle(const ShapeStyle& style)
{
    return indexOf(shapeStyles, style);
}

int ReportDocument::addImage(const QImage& image)
{
    const auto it = std::find(m_imageKeys.begin(), m_imageKeys.end(), image.cacheKey());
    if (it != m_imageKeys.end())
        return int(it - m_imageKeys.begin());
    m_imageKeys.push_back(image.cacheKey());
    images.push_back(image);
    return int(images.size()) - 1;
}

} // namespace kelvora::report
