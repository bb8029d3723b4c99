#pragma once

class QObject;

namespace ui {

// Keeps the program in the desktop's colour scheme, at the start and whenever the learner
// switches it. A platform theme that reports a dark scheme usually brings a dark palette too
// (Plasma's does); Qt's GNOME theme reports the scheme yet keeps a light palette, so there the
// program takes a dark palette of its own, and gives it back when the desktop turns light.
// `owner` ends the following when it goes.
void FollowColourScheme(QObject* owner);

} // namespace ui
