"""Builds vexlor._vexlor with the project's own CMake, from the core's sources
and without Qt (the option VEXLOR_PYTHON_ONLY), into the package setuptools
builds. The package's Python files and the metadata are in pyproject.toml."""

import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

# The repository, whose CMakeLists.txt builds the core and the module.
REPOSITORY = Path(__file__).resolve().parent.parent


class CMakeExtension(Extension):
    def __init__(self, name):
        super().__init__(name, sources=[])


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        package_dir = Path(self.get_ext_fullpath(ext.name)).resolve().parent
        build_dir = Path(self.build_temp).resolve() / "cmake"
        generator = ["-G", "Ninja"] if shutil.which("ninja") else []
        subprocess.run(
            ["cmake", "-S", str(REPOSITORY), "-B", str(build_dir), *generator,
             "-DVEXLOR_PYTHON_ONLY=ON",
             f"-DPython3_EXECUTABLE={sys.executable}",
             f"-DVEXLOR_PYTHON_PACKAGE_DIR={package_dir}",
             # The program's flags, so the numbers are its own; the installed
             # module without the debug information the build tree keeps.
             "-DCMAKE_MODULE_LINKER_FLAGS=-s"],
            check=True)
        subprocess.run(["cmake", "--build", str(build_dir), "--target", "_vexlor"], check=True)


setup(ext_modules=[CMakeExtension("vexlor._vexlor")], cmdclass={"build_ext": CMakeBuild})
