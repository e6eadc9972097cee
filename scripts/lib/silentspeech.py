# SPDX-License-Identifier: GPL-3.0-or-later
"""A speech server for Orca that makes no sound: what Orca would say is written, as it is said, to the
file named by ABACOLO_SPEECH_LOG, one utterance a line after the time in seconds since the epoch.
scripts/screenreader waits on that file and reads it. No sound server is needed."""
import os
import time

from orca import speechserver


def _write(text):
    path = os.environ.get("ABACOLO_SPEECH_LOG")
    if path and text:
        with open(path, "a", encoding="utf-8") as log:
            log.write("%.3f %s\n" % (time.time(), " ".join(str(text).split())))


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "Silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ["Silent", "silent"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        _write(text)

    def speakCharacter(self, character, acss=None):
        _write(character)

    def speakKeyEvent(self, event, acss=None):
        pass

    def sayAll(self, utteranceIterator, progressCallback):
        pass

    def stop(self):
        pass

    def shutdown(self):
        pass

    def reset(self, text=None, acss=None):
        pass
