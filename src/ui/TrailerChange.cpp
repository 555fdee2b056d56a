#include "TrailerChange.h"

#include "NfoDocument.h"

TrailerChange::TrailerChange(NfoDocument& document, QByteArray before, QByteArray after)
    : m_document(document), m_before(std::move(before)), m_after(std::move(after))
{
}

void TrailerChange::undo()
{
    m_document.restoreTrailer(m_before);
}

void TrailerChange::redo()
{
    m_document.restoreTrailer(m_after);
}
