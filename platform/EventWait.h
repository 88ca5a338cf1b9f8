#pragma once

// Waiting while the windows stay alive.
namespace lccd {

// Keeps handling window events until more than ms milliseconds have passed.
void WaitWithEvents(int ms);

} // namespace lccd
