#pragma once

// Makes the application-wide shared OpenGL context if there is none yet.
void ensureGlobalShareContext();
