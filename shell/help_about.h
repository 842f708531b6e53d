#pragma once
// The commands of the "&Help" menu.

namespace korvel {

void ABOUTCALL(bool checked);  // "&About...."
void GET_HELP(bool checked);   // "&Instructions to users"

}  // namespace korvel
