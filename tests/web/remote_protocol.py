"""What the browsers' two remote protocols share: numbered commands over a
websocket, their answers matched by number, and events kept as they come."""
import json
import time


class RemoteProtocol:
    """A client of one browser's protocol; a subclass tells its failures and
    its events apart. It needs self.socket, self.next_id and self.events."""

    def _failure(self, message):
        """The text of a failed answer, or None."""
        raise NotImplementedError

    def _is_event(self, message):
        raise NotImplementedError

    def send(self, method, **params):
        """Sends a command without waiting; returns its id."""
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        return self.next_id

    def wait(self, command_id):
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == command_id:
                failure = self._failure(message)
                if failure:
                    raise RuntimeError(failure)
                return message.get("result", {})
            if self._is_event(message):
                self.events.append(message)

    def call(self, method, **params):
        return self.wait(self.send(method, **params))

    def wait_for(self, expression, seconds=20):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.evaluate(expression):
                return
            time.sleep(0.02)
        raise TimeoutError(f"never true: {expression}")
