#pragma once

// Handles whatever is queued for this thread, so that X events do not pile up.
void PumpMessages();
