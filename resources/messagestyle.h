#pragma once

// The buttons and icon of a message box.
enum class MessageStyle {
    Ok,                  // one OK button
    OkCancel,            // OK and Abbrechen
    Information,         // OK with the information icon
    Stop,                // OK with the stop icon
    YesNoCancelQuestion, // Ja, Nein, Abbrechen with the question icon
    // The overflow of 32-bit fractions: OK with the stop icon, and a second
    // button that repeats the command in long fractions (answered Yes).
    StopOrLongFractions,
};

// What a command wants shown to the user.
struct UserMessage {
    const char* text = "";
    const char* caption = "";
    MessageStyle style = MessageStyle::Ok;
};
