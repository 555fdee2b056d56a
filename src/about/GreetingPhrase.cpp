#include "GreetingPhrase.h"

namespace {

const QByteArray kPhrase("zulo frets quimb");

} // namespace

int GreetingPhrase::length()
{
    return static_cast<int>(kPhrase.size());
}

bool GreetingPhrase::matches(const QByteArray& codes)
{
    return codes == kPhrase;
}
