#pragma once

// Makes Tahoma 8 pt the font of every window (the windows' fixed positions assume its
// metrics), falling back to DejaVu Sans when the Tahoma files are absent.
void InstallApplicationFont();
