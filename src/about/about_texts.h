#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "forms/about_forms.h"
#include "ports/shell.h"

namespace orvanta {

// The about window's texts that the program stores scrambled, put together for showing.
struct AboutTexts {
    std::string authorAndDate;  // the author, ", " and the release date
    std::string developedUsing;
    std::string copyright;  // ends in the year it is shown
    std::string softwareStatus;
    std::string comments;  // the prompt in front of the e-mail address
    std::string webPage;   // the prompt in front of the web address
    std::string emailAddress;
    std::string webAddress;
    std::string donationAddress;  // stored as two halves
};
AboutTexts About_Box_Texts(int currentYear);

// Every stored text unscrambled, each half of the donation address on its own.
std::vector<std::string> Stored_Texts();

// The e-mail link's target: the address, and a subject naming the executable's file name. The
// characters that would end the subject or change its meaning are escaped, so the subject reads
// as the name does on disk.
std::string Email_Target(std::string_view emailAddress, std::string_view executableFileName);

// Hands a target to the shell; an empty one does nothing.
void Shell_Open(Shell& shell, std::string_view target);

}  // namespace orvanta
