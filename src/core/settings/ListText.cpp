#include "core/settings/ListText.h"

#include "core/settings/ListFile.h"

namespace kelvora {

void ListText::load()
{
    m_loaded = false;
    m_text = ListFile::load(m_path);
    m_loaded = true;
}

void ListText::save() const
{
    if (m_loaded)
        ListFile::save(m_path, m_text);
}

} // namespace kelvora
