// The name the library gives itself to the phone's services; the phone logs it with each request.
#ifndef HANDVIA_CLIENTLABEL_H
#define HANDVIA_CLIENTLABEL_H

namespace handvia {

inline constexpr char clientLabel[] = "handvia";

} // namespace handvia

#endif
