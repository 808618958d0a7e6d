// The OpenGL 1.1, GLU and GLUT headers the renderer draws with.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/freeglut.h>
