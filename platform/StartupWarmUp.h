// SPDX-License-Identifier: GPL-3.0-or-later
// Work that the first frame waits for, started early on a thread of its
// own, so that it runs while the main thread waits for the display server
// or reads the settings instead of after it.
#pragma once

#include <functional>
#include <thread>

// A piece of work on a thread of its own, waited for when the task goes
// out of scope: nothing still runs when the objects it uses are gone.
class BackgroundTask {
public:
    explicit BackgroundTask(std::function<void()> work);
    ~BackgroundTask();

    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

private:
    std::thread m_thread;
};

// Reads the font configuration, which the first text drawn needs and whose
// reading is the largest part of its cost.  Needs no application object.
void ReadFontConfiguration();

// Loads the image format plugins, which the first picture read (the icon of
// a tool bar's overflow button) makes Qt load.  Needs the application
// object, and must end before it is destroyed.
void LoadImagePlugins();
