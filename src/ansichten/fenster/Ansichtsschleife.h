#pragma once
// Opening the calendar views from the main window: one view modally, and the loop that opens
// the next view as long as the closed one asked for another.
#include "main/Ansichtswechsel.h"

namespace kalvora {

class TForm1;

// Shows one view modally from the selected day; the requests it left.
Wechselanfragen AnsichtZeigen(TForm1& haupt, Ansicht ansicht);
// The view, then every view the requests lead to; the year view is repainted at the end.
void AnsichtenZeigen(TForm1& haupt, Ansicht erste);

}  // namespace kalvora
