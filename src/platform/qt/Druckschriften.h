#pragma once
// The printouts ask for "Times New Roman", "MS Sans Serif" and "Arial". Here they are mapped
// once to installed fonts of the same metrics, so that printed texts keep their widths.

namespace kalvora {

// Idempotent; for the program and for kalvora-cli alike.
void DruckschriftenEinrichten();

}  // namespace kalvora
