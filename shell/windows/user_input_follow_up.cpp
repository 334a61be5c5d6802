#include "shell/windows/user_input_follow_up.h"

#include <utility>

namespace {

std::function<void()> userInputFollowUp;

}  // namespace

void setUserInputFollowUp(std::function<void()> followUp)
{
    userInputFollowUp = std::move(followUp);
}

void followUpUserInput()
{
    if (userInputFollowUp)
        userInputFollowUp();
}
