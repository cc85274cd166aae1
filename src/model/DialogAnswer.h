#pragma once
// How a question or a companion dialog was answered: "&Tak", "&Nie" or "Anuluj".

namespace velt {

enum class DialogAnswer { Yes, No, Cancel };

} // namespace velt
