#pragma once

namespace anodyne {

// How a matching Pi-network is dimensioned; one radio group per network.
enum class NetworkMethod { Standard, UA3DA, ImpedanceTransformer, W5FD, Zorvex };

} // namespace anodyne
