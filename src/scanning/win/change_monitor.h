// The worker thread that watches the scan directories and reports changes to the main window.
#pragma once

void startChangeMonitor();
void pauseChangeMonitor();
void resumeChangeMonitor();
void stopChangeMonitor();
