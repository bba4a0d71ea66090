#pragma once
// The start state of the factory folder: no adjustment record file open, no adjustment in hand, no
// production database or list.
void ResetFabriek();
